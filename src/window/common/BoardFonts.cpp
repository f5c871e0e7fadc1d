#include "window/common/BoardFonts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace {

// Liberation Sans has the metrics of the faces the layout was sized for;
// the toolkit's usual DejaVu Sans is wider and overflows "Either Side".
const QString kFace = QStringLiteral("Liberation Sans");
const QString kNarrowFace = QStringLiteral("Liberation Sans Narrow");

QFont PixelFont(const QString& family, int pixelSize, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont MakeRoleFont(FontRole role) {
    switch (role) {
    case FontRole::Window:
        return PixelFont(kFace, 10); // 11 px would overflow "$1000" and "Either Side"
    case FontRole::SmallButton:
        return PixelFont(kFace, 9);
    case FontRole::Bold:
        return PixelFont(kFace, 13, true);
    case FontRole::StakeLabel:
        return StakeLabelFont(6);
    }
    return PixelFont(kFace, 10);
}

} // namespace

// Made once: the ~400 controls then share four fonts instead of building one
// each. Never destroyed, so no font outlives the toolkit's font cache at exit.
QFont RoleFont(FontRole role) {
    static const auto* const fonts = new std::array<QFont, 4>{
        MakeRoleFont(FontRole::Window), MakeRoleFont(FontRole::SmallButton),
        MakeRoleFont(FontRole::Bold), MakeRoleFont(FontRole::StakeLabel)};
    return fonts->at(static_cast<std::size_t>(role));
}

QFont StakeLabelFont(int pointSize) {
    if (pointSize <= 5) {
        return PixelFont(kNarrowFace, 7);
    }
    return PixelFont(kFace, 8);
}

QFont ArtworkFont(int pixelSize) {
    return PixelFont(kFace, pixelSize, true);
}

QFont ZoomedFont(QFont font, double zoom) {
    if (zoom == 1.0) {
        return font;
    }
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * zoom))));
    } else if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * zoom);
    }
    return font;
}
