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

// At a zoom the twips are scaled before they are rounded, each edge on its
// own as above, so a factor of 1 gives exactly the places of the designed size.
inline int Pixels(double twips, double zoom) {
    return Pixels(twips * zoom);
}

inline QRect PixelRect(const TwipRect& r, double zoom) {
    return {Pixels(r.left, zoom), Pixels(r.top, zoom), Pixels(r.width, zoom),
            Pixels(r.height, zoom)};
}

// Control arrays are named like "imgChip(12)". Joined rather than formatted with
// arg(): start-up names about a thousand of them.
inline QString ArrayName(const char* name, int index) {
    return QLatin1String(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}
