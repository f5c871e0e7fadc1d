#include "table/SettingValue.h"

#include <charconv>

int SettingInRange(std::string_view text, int low, int high, int fallback) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high) {
        return fallback;
    }
    return value;
}

bool SettingSwitch(std::string_view text, bool fallback) {
    if (text == "true") {
        return true;
    }
    return text == "false" ? false : fallback;
}
