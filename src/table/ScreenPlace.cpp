#include "table/ScreenPlace.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// Overlap as a rectangle; width or height zero or less when there is none.
ScreenRect Overlap(const ScreenRect& a, const ScreenRect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

std::int64_t Area(const ScreenRect& r) {
    return r.width > 0 && r.height > 0 ? std::int64_t{r.width} * r.height : 0;
}

// The top strip must start on the screen: a title bar above the screen's
// top edge cannot be grasped even if the rest of the window shows.
bool CanBeGrasped(const ScreenRect& place, const ScreenRect& screen) {
    const ScreenRect strip{place.left, place.top, place.width, kGraspHeight};
    const ScreenRect seen = Overlap(strip, screen);
    return place.top >= screen.top && seen.width >= kGraspWidth && seen.height >= kGraspHeight;
}

const ScreenRect& Destination(const ScreenRect& place, const std::vector<ScreenRect>& screens) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < screens.size(); ++i) {
        if (Area(Overlap(place, screens[i])) > Area(Overlap(place, screens[best]))) {
            best = i;
        }
    }
    return screens[best];
}

int Clamp(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

} // namespace

std::optional<ScreenRect> PlaceOnScreens(const ScreenRect& place,
                                         const std::vector<ScreenRect>& screens) {
    if (place.width <= 0 || place.height <= 0) {
        return std::nullopt;
    }
    const bool held = std::any_of(screens.begin(), screens.end(),
                                  [&](const ScreenRect& s) { return CanBeGrasped(place, s); });
    if (screens.empty() || held) {
        return place;
    }
    const ScreenRect& screen = Destination(place, screens);
    ScreenRect moved = place;
    moved.width = std::min(place.width, screen.width);
    moved.height = std::min(place.height, screen.height);
    moved.left = Clamp(place.left, moved.width, screen.left, screen.width);
    moved.top = Clamp(place.top, moved.height, screen.top, screen.height);
    return moved;
}

ScreenRect PlaceBeside(const ScreenRect& table, ScreenRect window, int gap,
                       const std::vector<ScreenRect>& screens) {
    window.left = table.left + table.width + gap;
    if (screens.empty()) {
        return window;
    }
    const ScreenRect& screen = Destination(table, screens);
    const int screenRight = screen.left + screen.width;
    if (window.left + window.width > screenRight) {
        const int onTheLeft = table.left - gap - window.width;
        window.left = onTheLeft >= screen.left ? onTheLeft : screenRight - window.width;
    }
    // Larger than the screen: its top-left corner stays on it.
    window.left = std::max(window.left, screen.left);
    window.top =
        std::max(std::min(window.top, screen.top + screen.height - window.height), screen.top);
    return window;
}
