#include "table/ZoomSteps.h"

#include <algorithm>
#include <charconv>

int NextZoomStep(int percent) {
    const auto* after = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return after == kZoomSteps.end() ? kZoomSteps.back() : *after;
}

int PreviousZoomStep(int percent) {
    const auto* before = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return before == kZoomSteps.begin() ? kZoomSteps.front() : *(before - 1);
}

bool IsZoomStep(int percent) {
    return std::binary_search(kZoomSteps.begin(), kZoomSteps.end(), percent);
}

double ZoomFactor(int percent) {
    return percent / 100.0;
}

std::string ZoomText(int percent) {
    return std::to_string(percent);
}

// from_chars takes no blank, plus sign or "0x", and reports an overflow itself.
int ParseZoom(std::string_view text) {
    int percent = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, percent);
    if (text.empty() || error != std::errc() || stop != end || !IsZoomStep(percent)) {
        return kDefaultZoom;
    }
    return percent;
}
