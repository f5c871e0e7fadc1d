#pragma once

#include <QRect>
#include <QString>

#include <cmath>

// The layout is given in twips and shown at 15 twips to a logical pixel.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline int Pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Each edge value is rounded on its own, as a control's Left, Top, Width and Height are.
inline QRect PixelRect(const TwipRect& r) {
    return {Pixels(r.left), Pixels(r.top), Pixels(r.width), Pixels(r.height)};
}

// Control arrays are named like "imgChip(12)".
inline QString ArrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}
