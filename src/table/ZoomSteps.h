#pragma once

#include <array>
#include <string>
#include <string_view>

// The sizes the table can be shown at, in percent of its designed size. The
// steps grow finer where a screen is most likely to stop the player.
inline constexpr std::array<int, 7> kZoomSteps = {100, 125, 150, 175, 200, 250, 300};
inline constexpr int kDefaultZoom = 100;

// The step after or before `percent`; the last and the first step stay where
// they are. A value between steps goes to the step on that side of it.
int NextZoomStep(int percent);
int PreviousZoomStep(int percent);
bool IsZoomStep(int percent);

// The factor that twips-to-pixels and font sizes are multiplied by.
double ZoomFactor(int percent);

// The zoom as it is stored, and read back: anything that is not exactly one
// of the steps written in decimal (blank, garbage, 110, an overflowing
// number) reads as the default, so a damaged setting never stops the table.
std::string ZoomText(int percent);
int ParseZoom(std::string_view text);
