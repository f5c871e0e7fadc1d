#include "window/common/Picture.h"

#include "window/common/PressSignals.h"

#include <QPainter>

Picture::Picture(ArtworkId art, QWidget* parent) : QWidget(parent), m_art(art) {}

void Picture::setArtwork(ArtworkId art) {
    if (art == m_art) {
        return;
    }
    m_art = art;
    m_cache = QPixmap();
    update();
}

void Picture::setOverlay(Overlay overlay) {
    m_overlay = std::move(overlay);
    update();
}

const QPixmap& Picture::Rendered() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_cache.size() != pixels || m_cache.devicePixelRatio() != ratio) {
        m_cache = QPixmap(pixels);
        m_cache.setDevicePixelRatio(ratio);
        m_cache.fill(Qt::transparent);
        QPainter painter(&m_cache);
        PaintArtwork(painter, size(), m_art);
    }
    return m_cache;
}

void Picture::paintEvent(QPaintEvent* /*event*/) {
    if (m_art.kind == ArtworkKind::None) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, Rendered());
    if (m_overlay) {
        m_overlay(painter);
    }
}

void Picture::mousePressEvent(QMouseEvent* event) {
    m_pressedButton = event->button();
    emit pressed(event->button(), event->buttons(), event->position());
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = IsClickRelease(*this, *event, m_pressedButton);
    m_pressedButton = Qt::NoButton;
    if (click) {
        emit clicked();
    }
}
