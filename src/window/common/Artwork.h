#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

class QPainter;
class QPainterPath;

// What a picture control shows. Drawn in code at the picture's logical size,
// so it stays sharp at any device pixel ratio.
enum class ArtworkKind {
    None,       // a bare click area: whatever lies beneath shows through
    Board,      // the betting layout
    Wheel,      // the wheel seen from above
    Dozen,      // index 0..2: "1st 12", "2nd 12", "3rd 12"
    EvenChance, // index 0..3: "1-18", "EVEN", "ODD", "19-36"
    Chip,       // index = chip 0..7
    Ball,
};

struct ArtworkId {
    ArtworkKind kind = ArtworkKind::None;
    int index = 0;
    bool operator==(const ArtworkId&) const = default;
};

inline constexpr QRgb kTableGreen = 0x008000;

// A number's pocket colour on the wheel: green zero, red, black.
QColor WheelNumberColour(int number);

// Chip 0..7 in the colours of the chip selector.
QColor ChipColour(int chip);

void PaintArtwork(QPainter& painter, QSize size, ArtworkId art);

// The two big pictures, in their own files.
void PaintBoard(QPainter& painter, QSize size);
void PaintWheel(QPainter& painter, QSize size);

// Where the pictures draw one number, in pixels of the picture: its cell on
// the layout (ruling included) and its pocket, number ring included, on the wheel.
QRect BoardNumberCell(int number);
QPainterPath WheelPocketPath(int pocket);
