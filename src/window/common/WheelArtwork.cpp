// The wheel seen from above, 375 x 378 pixels. Its pockets lie where the
// ball is placed: the ball's centre runs round pixel (183.5, 183.5) and, at
// the resting radius of 1300 twips, falls in the middle of each pocket.
#include "window/common/Artwork.h"

#include "window/common/BoardFonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

const QPointF kCentre(183.5, 183.5);
constexpr double kDegreesPerPocket = 360.0 / 37.0;
constexpr double kHalfPocket = kDegreesPerPocket / 2.0;

// Radii in pixels. The ball rests at 1300 / 15 = 86.7, inside the pocket
// ring, and starts a spin at 2100 / 15 = 140, on the track.
constexpr double kRimOuter = 175.0; // clear of the chip captions and the history column
constexpr double kTrackOuter = 160.0;
constexpr double kNumberOuter = 124.0;
constexpr double kPocketOuter = 100.0;
constexpr double kPocketInner = 74.0;
constexpr double kConeRadius = 60.0;
constexpr double kNumberRadius = 112.0;

// The numbers round the wheel, pocket 0 at the top and clockwise from there.
constexpr std::array<int, 37> kWheelOrder = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                             36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                             31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};
constexpr std::array<int, 18> kRedNumbers = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                             19, 21, 23, 25, 27, 30, 32, 34, 36};

const QColor kGold(0xD4, 0xAF, 0x37);

// Screen angle of a pocket's middle in degrees, clockwise from the right.
double PocketAngle(int pocket) {
    return kDegreesPerPocket * (pocket - 9) - 2.3;
}

QPointF Polar(double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return kCentre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

QRectF Circle(double radius) {
    return {kCentre.x() - radius, kCentre.y() - radius, 2 * radius, 2 * radius};
}

// Qt's arcs turn anticlockwise on the screen, so screen angles change sign.
QPainterPath Sector(double inner, double outer, double fromDegrees, double toDegrees) {
    QPainterPath path;
    path.arcMoveTo(Circle(outer), -fromDegrees);
    path.arcTo(Circle(outer), -fromDegrees, -(toDegrees - fromDegrees));
    path.arcTo(Circle(inner), -toDegrees, toDegrees - fromDegrees);
    path.closeSubpath();
    return path;
}

void PaintBowl(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3B, 0x20, 0x10));
    p.drawEllipse(Circle(kRimOuter));
    p.setBrush(QColor(0x6B, 0x3E, 0x1E));
    p.drawEllipse(Circle(kTrackOuter));
}

void PaintPockets(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (int pocket = 0; pocket < 37; ++pocket) {
        p.setBrush(WheelNumberColour(kWheelOrder.at(pocket)));
        p.drawPath(WheelPocketPath(pocket));
    }
    p.setPen(QPen(kGold, 1.0));
    p.setBrush(Qt::NoBrush);
    for (int pocket = 0; pocket < 37; ++pocket) {
        const double edge = PocketAngle(pocket) - kHalfPocket;
        p.drawLine(Polar(kPocketInner, edge), Polar(kNumberOuter, edge));
    }
    for (double radius : {kPocketInner, kPocketOuter, kNumberOuter}) {
        p.drawEllipse(Circle(radius));
    }
}

// Each number stands upright when its pocket is at the top.
void PaintNumbers(QPainter& p) {
    p.setFont(ArtworkFont(10));
    p.setPen(Qt::white);
    for (int pocket = 0; pocket < 37; ++pocket) {
        const double middle = PocketAngle(pocket);
        p.save();
        p.translate(Polar(kNumberRadius, middle));
        p.rotate(middle + 90.0);
        p.drawText(QRectF(-12, -7, 24, 14), Qt::AlignCenter,
                   QString::number(kWheelOrder.at(pocket)));
        p.restore();
    }
}

void PaintCone(QPainter& p) {
    QRadialGradient shine(kCentre - QPointF(12, 12), kConeRadius);
    shine.setColorAt(0.0, QColor(0xF4, 0xE1, 0x9C));
    shine.setColorAt(1.0, QColor(0x8B, 0x69, 0x14));
    p.setPen(QPen(QColor(0x5A, 0x40, 0x10), 1.0));
    p.setBrush(QColor(0x4A, 0x2A, 0x12));
    p.drawEllipse(Circle(kPocketInner - 0.5));
    p.setBrush(shine);
    p.drawEllipse(Circle(kConeRadius));
    p.setPen(QPen(kGold.darker(140), 3.0, Qt::SolidLine, Qt::RoundCap));
    for (int arm = 0; arm < 4; ++arm) {
        p.drawLine(kCentre, Polar(kConeRadius * 0.45, 45.0 + 90.0 * arm));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(Circle(6.0));
}

} // namespace

QColor WheelNumberColour(int number) {
    if (number == 0) {
        return {0x00, 0xA0, 0x00};
    }
    const bool red = std::find(kRedNumbers.begin(), kRedNumbers.end(), number) != kRedNumbers.end();
    return red ? QColor(0xCC, 0x00, 0x00) : QColor(0x14, 0x14, 0x14);
}

QPainterPath WheelPocketPath(int pocket) {
    const double middle = PocketAngle(pocket);
    return Sector(kPocketInner, kNumberOuter, middle - kHalfPocket, middle + kHalfPocket);
}

void PaintWheel(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(kTableGreen));
    p.setRenderHint(QPainter::Antialiasing);
    PaintBowl(p);
    PaintPockets(p);
    PaintNumbers(p);
    PaintCone(p);
}
