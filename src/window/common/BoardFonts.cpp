#include "window/common/BoardFonts.h"

#include <algorithm>
#include <cmath>

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

} // namespace

QFont RoleFont(FontRole role) {
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
    if (zoom != 1.0 && font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * zoom))));
    }
    return font;
}
