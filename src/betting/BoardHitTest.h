#pragma once

#include "betting/UpdateChip.h"
#include "table/GameState.h"

#include <array>
#include <cstdint>
#include <optional>

// The inside spot under a point of the layout picture, in whole twips from the
// picture's top-left corner; nothing outside the accepted area. There is no
// left bound: any X left of the second column, negative too, is column 1.
std::optional<std::int16_t> BoardSpotAt(int x, int y);

// One of the thirteen outside-bet areas lying over the layout picture.
struct OutsideArea {
    const char* name; // the control's name
    std::int16_t spot;
    int left, top, width, height; // twips of the window's client area
};
// Front first, in the order the areas are stacked.
extern const std::array<OutsideArea, 13> kOutsideAreas;

// The frontmost area whose rectangle holds the point (window client twips,
// right and bottom edges excluded); nullptr where the picture itself is hit.
const OutsideArea* OutsideAreaAt(int x, int y);

// A press on the layout picture: only the left button alone places a chip.
// Returns the refusal if UpdateChip refused; nullopt otherwise (also when the
// press was ignored).
std::optional<Refusal> PressBoard(GameState& state, std::int16_t button, int x, int y);
