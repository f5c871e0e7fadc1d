#pragma once

#include "betting/UpdateChip.h"

#include <Qt>

#include <cstdint>
#include <optional>

// The button codes the table's rules take: left 1, right 2, middle 4. Other
// buttons (back, forward) mean nothing at the table.
inline std::optional<std::int16_t> ButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return std::nullopt;
    }
}
