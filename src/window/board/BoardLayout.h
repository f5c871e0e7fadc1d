#pragma once

#include "window/common/Artwork.h"
#include "window/common/BoardFonts.h"
#include "window/common/Twips.h"

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

enum class ControlKind {
    Picture,    // artwork that takes presses
    Backdrop,   // artwork that lets presses through (the wheel, the ball)
    Label,      // a caption that lets presses through
    ClickLabel, // a caption that takes presses
    Button,
    ResultBox, // read-only text box that only the program writes
    ComboBox,  // editable drop-down
};

enum class TextAlign { Left, Centre, Right };

// One control of the window as it stands before anything happens.
struct ControlRow {
    QString name;
    ControlKind kind = ControlKind::Label;
    TwipRect rect;
    QString caption;
    FontRole font = FontRole::Window;
    TextAlign align = TextAlign::Left;
    QRgb text = 0xFFFFFF;
    std::optional<QRgb> background; // none: transparent
    ArtworkId art;
    bool visible = true;
};

// Every control, back to front: a control lies in front of all listed before it.
// The spot chips stand at the top-left corner; start-up moves them to their spots.
const std::vector<ControlRow>& BoardLayout();
