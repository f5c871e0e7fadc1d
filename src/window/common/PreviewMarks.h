#pragma once

#include "table/Catalogue.h"

#include <array>

class QPainter;
class QPainterPath;

// How many chips a previewed press would put on each number 0..36.
using ChipsByNumber = std::array<int, kNumberCount>;

// The marks of a preview, drawn over the layout and the wheel pictures: a
// number taking one chip is outlined and lightly tinted, one taking two or
// more is filled more strongly and shows its count.
void PaintLayoutMarks(QPainter& painter, const ChipsByNumber& chips);
void PaintWheelMarks(QPainter& painter, const ChipsByNumber& chips, const Catalogue& catalogue);

// The same mark on any one shape (a pocket, a cell of the racetrack).
void PaintShapeMark(QPainter& painter, const QPainterPath& path, int chips);

// Two patterns told apart by colour, for a drill's verdict: the bet that was
// asked for edged in green, the one the player gave edged in red inside it,
// so a number in both shows both edges.
void PaintLayoutPair(QPainter& painter, const ChipsByNumber& asked, const ChipsByNumber& given);
void PaintWheelPair(QPainter& painter, const ChipsByNumber& asked, const ChipsByNumber& given,
                    const Catalogue& catalogue);
