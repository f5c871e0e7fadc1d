#pragma once

#include <QMouseEvent>
#include <QWidget>

// A click is a release of the left button over the control that took its
// press; the other buttons only ever press (a right press takes chips off, it
// never selects a chip or a table).
inline bool IsClickRelease(const QWidget& widget, const QMouseEvent& release,
                           Qt::MouseButton pressed) {
    return pressed == Qt::LeftButton && release.button() == pressed &&
           widget.rect().contains(release.position().toPoint());
}
