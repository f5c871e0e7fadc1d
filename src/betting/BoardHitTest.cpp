#include "betting/BoardHitTest.h"

namespace {

constexpr int kRightBound = 1950;  // inclusive: the street and six-line band ends here
constexpr int kTopBound = 345;     // inclusive: the zero line's band starts here
constexpr int kBottomBound = 5745; // exclusive: below lies the column strip
constexpr int kCellWidth = 300;
constexpr int kCellHeight = 225;
constexpr int kSecondColumnLeft = 480;

// Everything left of the second column is column 1, however far left: the
// picture starts at X = 0, so negative X cannot come from a press on it, and
// truncating toward zero would otherwise give column 0 (the previous row's
// street) from X = -120 on and wrap further left.
int GridColumn(int x) {
    if (x < kSecondColumnLeft) {
        return 1;
    }
    return (x - 180) / kCellWidth + 1;
}

int GridRow(int y) {
    return (y - 120) / kCellHeight - 1;
}

} // namespace

const std::array<OutsideArea, 13> kOutsideAreas = {{
    {"imgZero", 0, 120, 0, 1575, 375},
    {"imgLow", 151, 2520, 525, 375, 750},
    {"imgOdd", 155, 2520, 4125, 375, 750},
    {"imgHigh", 156, 2520, 5040, 375, 750},
    {"imgBlk", 154, 2520, 3240, 375, 735},
    {"imgRed", 153, 2520, 2320, 375, 735},
    {"imgEven", 152, 2520, 1440, 375, 750},
    {"imgCol3", 147, 1200, 5880, 585, 375},
    {"imgCol2", 146, 600, 5880, 585, 375},
    {"imgCol1", 145, 0, 5880, 585, 375},
    {"imgDoz3", 150, 1920, 4200, 390, 1560},
    {"imgDoz1", 148, 1920, 600, 390, 1560},
    {"imgDoz2", 149, 1920, 2400, 390, 1560},
}};

std::optional<std::int16_t> BoardSpotAt(int x, int y) {
    if (x > kRightBound || y < kTopBound || y >= kBottomBound) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(6 * GridRow(y) + GridColumn(x));
}

const OutsideArea* OutsideAreaAt(int x, int y) {
    for (const OutsideArea& area : kOutsideAreas) {
        const bool inX = x >= area.left && x - area.left < area.width;
        const bool inY = y >= area.top && y - area.top < area.height;
        if (inX && inY) {
            return &area;
        }
    }
    return nullptr;
}

std::optional<Refusal> PressBoard(GameState& state, std::int16_t button, int x, int y) {
    if (button != kLeftButton) {
        return std::nullopt;
    }
    const auto spot = BoardSpotAt(x, y);
    if (!spot) {
        return std::nullopt;
    }
    return UpdateChip(state, *spot, button);
}
