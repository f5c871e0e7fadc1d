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

void Picture::setZoom(QSize designed, double zoom) {
    m_designed = designed;
    m_zoom = zoom;
    m_cache = QPixmap();
    update();
}

QPointF Picture::ArtworkPoint(QPointF position) const {
    if (!Zoomed()) {
        return position;
    }
    return position / m_zoom;
}

void Picture::ScaleToSize(QPainter& painter) const {
    if (Zoomed()) {
        painter.scale(static_cast<qreal>(width()) / m_designed.width(),
                      static_cast<qreal>(height()) / m_designed.height());
    }
}

const QPixmap& Picture::Rendered() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_cache.size() != pixels || m_cache.devicePixelRatio() != ratio) {
        m_cache = QPixmap(pixels);
        m_cache.setDevicePixelRatio(ratio);
        m_cache.fill(Qt::transparent);
        QPainter painter(&m_cache);
        ScaleToSize(painter);
        PaintArtwork(painter, Zoomed() ? m_designed : size(), m_art);
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
        ScaleToSize(painter);
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
