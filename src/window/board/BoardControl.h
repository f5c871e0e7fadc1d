#pragma once

#include "window/board/frmBoard.h"

// Every control exists from start-up on, so a missing name is a fault of the layout table.
template <class T> T* frmBoard::Control(const QString& name) const {
    auto* control = qobject_cast<T*>(m_controls.value(name));
    Q_ASSERT_X(control, "frmBoard::Control", qPrintable(name));
    return control;
}
