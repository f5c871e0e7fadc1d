#include "window/common/InputBlocker.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

InputBlocker::InputBlocker(QWidget* window) : QObject(window), m_window(window) {}

InputBlocker::~InputBlocker() {
    Release();
}

void InputBlocker::Block() {
    if (m_blocking) {
        return;
    }
    m_blocking = true;
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void InputBlocker::Release() {
    if (!m_blocking) {
        return;
    }
    m_blocking = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

// The filter sits on the application, so it sees input meant for any child
// of the window before the child does.
bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInput(event->type()) || !watched->isWidgetType()) {
        return false;
    }
    const auto* widget = static_cast<QWidget*>(watched);
    return widget == m_window || m_window->isAncestorOf(widget);
}
