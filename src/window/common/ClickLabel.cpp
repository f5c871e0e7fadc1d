#include "window/common/ClickLabel.h"

#include "window/common/PressSignals.h"

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    m_pressedButton = event->button();
    emit pressed(event->button(), event->buttons(), event->position());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = IsClickRelease(*this, *event, m_pressedButton);
    m_pressedButton = Qt::NoButton;
    if (click) {
        emit clicked();
    }
}
