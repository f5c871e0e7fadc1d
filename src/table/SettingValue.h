#pragma once

#include <string_view>

// A whole number read back from the settings file: anything that is not one
// within [low, high] (blank, garbage, out of range) reads as the fallback, so
// a damaged setting never stops the table.
int SettingInRange(std::string_view text, int low, int high, int fallback);

// A switch read back: "true" or "false" exactly, else the fallback.
bool SettingSwitch(std::string_view text, bool fallback);
