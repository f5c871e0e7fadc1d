#pragma once

#include <QMouseEvent>
#include <QWidget>

// A click is a release of the pressed button over the control that took the press.
inline bool IsClickRelease(const QWidget& widget, const QMouseEvent& release,
                           Qt::MouseButton pressed) {
    return release.button() == pressed && widget.rect().contains(release.position().toPoint());
}
