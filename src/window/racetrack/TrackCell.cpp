#include "window/racetrack/TrackCell.h"

#include "window/common/BoardFonts.h"
#include "window/common/PreviewMarks.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTransform>

#include <cmath>

namespace {

const QColor kGold(0xD4, 0xAF, 0x37);

bool IsTrackKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        return true;
    default:
        return false;
    }
}

} // namespace

TrackCell::TrackCell(QWidget* parent, const QPainterPath& shape, QColor fill,
                     const QString& caption, const QList<QPointF>& captionAt)
    : QWidget(parent), m_fill(fill), m_caption(caption) {
    const QRect bounds = shape.boundingRect().toAlignedRect();
    setGeometry(bounds);
    m_designedPlace = bounds.topLeft();
    m_shape = shape.translated(-bounds.topLeft());
    for (const QPointF& at : captionAt) {
        m_captionAt.append(at - bounds.topLeft());
    }
    setMask(QRegion(m_shape.toFillPolygon().toPolygon()));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(caption);
}

void TrackCell::SetZoom(double zoom) {
    m_zoom = zoom;
    const QPointF place = QPointF(m_designedPlace) * zoom;
    const QPoint whole(static_cast<int>(std::floor(place.x())),
                       static_cast<int>(std::floor(place.y())));
    m_offset = place - QPointF(whole);
    const QPainterPath shown =
        QTransform::fromTranslate(m_offset.x(), m_offset.y()).scale(zoom, zoom).map(m_shape);
    const QRectF bounds = shown.boundingRect();
    setGeometry(QRect(whole, QSize(static_cast<int>(std::ceil(bounds.right())),
                                   static_cast<int>(std::ceil(bounds.bottom())))));
    setMask(QRegion(shown.toFillPolygon().toPolygon()));
    update();
}

void TrackCell::setMark(int chips) {
    if (chips != m_mark) {
        m_mark = chips;
        update();
    }
}

void TrackCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.translate(m_offset);
    p.scale(m_zoom, m_zoom);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGold, 1.0));
    p.setBrush(m_inside ? m_fill.lighter(135) : m_fill);
    p.drawPath(m_shape);
    if (m_mark > 0) {
        PaintShapeMark(p, m_shape, m_mark);
    }
    if (hasFocus()) {
        p.setClipPath(m_shape);
        p.setPen(QPen(Qt::white, 4.0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawPath(m_shape);
        p.setClipping(false);
    }
    p.setPen(Qt::white);
    p.setFont(ArtworkFont(m_caption.size() > 2 ? 11 : 10));
    for (const QPointF& at : m_captionAt) {
        p.drawText(QRectF(at - QPointF(40, 10), QSizeF(80, 20)), Qt::AlignCenter, m_caption);
    }
}

void TrackCell::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    emit pressed(event->button());
}

void TrackCell::enterEvent(QEnterEvent*) {
    m_inside = true;
    update();
    emit hovered(true);
}

void TrackCell::leaveEvent(QEvent*) {
    m_inside = false;
    update();
    emit hovered(false);
}

// Tab and Shift+Tab stay the window's, to move between the cells.
void TrackCell::keyPressEvent(QKeyEvent* event) {
    if (!IsTrackKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit keyed(event->key(), event->modifiers());
}

void TrackCell::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TrackCell::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
