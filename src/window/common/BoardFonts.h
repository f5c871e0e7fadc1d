#pragma once

#include <QFont>

// The faces of the layout, sized in pixels so the fixed layout does not move
// with the screen's dpi (a point size at 96 dpi times 4/3).
enum class FontRole {
    Window,      // the window's default font
    SmallButton, // "Small Fonts" 6.75 pt of the announced-bet buttons
    Bold,        // "MS Sans Serif" 9.75 pt bold of the result boxes and their captions
    StakeLabel,  // "Small Fonts" 6 pt of a spot's stake label
};

QFont RoleFont(FontRole role);

// Stake labels switch to 5 pt from four characters on; a narrow face keeps
// "1000" inside the 15-pixel chip.
QFont StakeLabelFont(int pointSize);

// The bold face the artwork prints its numbers and captions in.
QFont ArtworkFont(int pixelSize);

// A face at a zoom of the table: its pixel size scaled and rounded (or its
// point size scaled, for a face given in points), so a factor of 1 leaves it
// as it is.
QFont ZoomedFont(QFont font, double zoom);
