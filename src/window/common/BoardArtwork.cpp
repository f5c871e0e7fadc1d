// The betting layout, 201 x 421 pixels: the zero, twelve rows of three
// numbers, the column cells, the dozen strip and the even-chance strip.
#include "window/common/Artwork.h"

#include "window/common/BoardFonts.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kCellWidth = 40;  // 600 twips
constexpr int kCellHeight = 30; // 450 twips
constexpr int kRows = 12;
constexpr int kGridTop = kCellHeight;                       // below the zero cell
constexpr int kGridBottom = kGridTop + kRows * kCellHeight; // 390, top of the column cells
constexpr int kNumbersRight = 3 * kCellWidth;               // 120
constexpr int kDozenRight = kNumbersRight + 40;             // 160
constexpr int kEvenRight = kDozenRight + 40;                // 200
constexpr int kColumnBottom = kGridBottom + kCellHeight;    // 420
constexpr int kEvenCellHeight = 60;                         // 900 twips

const QColor kDarkRed(0x80, 0x00, 0x00);
const QColor kSolidRed(0xFF, 0x00, 0x00);

constexpr std::array<int, 18> kRedNumbers = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                             19, 21, 23, 25, 27, 30, 32, 34, 36};

bool IsRedNumber(int n) {
    return std::find(kRedNumbers.begin(), kRedNumbers.end(), n) != kRedNumbers.end();
}

int Snapped(double pixels) {
    return static_cast<int>(std::lround(pixels));
}

// Drawn larger (a zoom), a one-pixel line would come out one or two pixels
// wide by where it falls; each is snapped to whole pixels instead, as thick
// as the scale rounds to, so all the ruling keeps one width.
void FillRule(QPainter& p, const QRect& line) {
    const QTransform scale = p.worldTransform();
    if (scale.isIdentity()) {
        p.fillRect(line, Qt::black);
        return;
    }
    const QRectF at = scale.mapRect(QRectF(line));
    const int thick = std::max(1, Snapped(scale.m11()));
    const bool across = line.height() == 1;
    const QRect snapped = across ? QRect(Snapped(at.left()), Snapped(at.top()),
                                         Snapped(at.right()) - Snapped(at.left()), thick)
                                 : QRect(Snapped(at.left()), Snapped(at.top()), thick,
                                         Snapped(at.bottom()) - Snapped(at.top()));
    p.save();
    p.resetTransform();
    p.fillRect(snapped, Qt::black);
    p.restore();
}

// Ruling lies on the pixel at the boundary itself, so the last line of the
// picture is its last pixel column or row.
void HLine(QPainter& p, int y, int x0, int x1) {
    FillRule(p, QRect(x0, y, x1 - x0 + 1, 1));
}

void VLine(QPainter& p, int x, int y0, int y1) {
    FillRule(p, QRect(x, y0, 1, y1 - y0 + 1));
}

void PaintRuling(QPainter& p) {
    HLine(p, 0, 0, kNumbersRight);
    for (int y = kGridTop; y <= kColumnBottom; y += kCellHeight) {
        HLine(p, y, 0, kNumbersRight);
    }
    for (int y = kGridTop; y <= kGridBottom; y += 4 * kCellHeight) {
        HLine(p, y, kNumbersRight, kDozenRight);
    }
    for (int y = kGridTop; y <= kGridBottom; y += kEvenCellHeight) {
        HLine(p, y, kDozenRight, kEvenRight);
    }
    VLine(p, 0, 0, kColumnBottom);
    VLine(p, 1, 0, kColumnBottom); // the outer edge a little heavier
    VLine(p, kCellWidth, kGridTop, kColumnBottom);
    VLine(p, 2 * kCellWidth, kGridTop, kColumnBottom);
    VLine(p, kNumbersRight, 0, kColumnBottom);
    VLine(p, kDozenRight, kGridTop, kGridBottom);
    VLine(p, kEvenRight, kGridTop, kGridBottom);
}

void PaintNumbers(QPainter& p) {
    p.setFont(ArtworkFont(15));
    for (int n = 1; n <= 3 * kRows; ++n) {
        p.setPen(IsRedNumber(n) ? kDarkRed : QColor(Qt::black));
        p.drawText(BoardNumberCell(n), Qt::AlignCenter, QString::number(n));
    }
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kNumbersRight, kGridTop), Qt::AlignCenter, QStringLiteral("0"));
}

void PaintColumnCells(QPainter& p) {
    p.setFont(ArtworkFont(10));
    p.setPen(Qt::white);
    for (int column = 0; column < 3; ++column) {
        p.drawText(QRect(column * kCellWidth, kGridBottom, kCellWidth, kCellHeight),
                   Qt::AlignCenter, QCoreApplication::translate("Artwork", "2 to 1"));
    }
}

// The third and fourth cells of the even-chance strip are the red and black bets.
void PaintColourCells(QPainter& p) {
    const int redTop = kGridTop + 2 * kEvenCellHeight;
    p.fillRect(QRect(kDozenRight, redTop, kEvenRight - kDozenRight, kEvenCellHeight), kSolidRed);
    p.fillRect(
        QRect(kDozenRight, redTop + kEvenCellHeight, kEvenRight - kDozenRight, kEvenCellHeight),
        Qt::black);
}

} // namespace

QRect BoardNumberCell(int number) {
    if (number == 0) {
        return {0, 0, kNumbersRight, kGridTop};
    }
    const int row = (number - 1) / 3;
    const int column = (number - 1) % 3;
    return {column * kCellWidth, kGridTop + row * kCellHeight, kCellWidth, kCellHeight};
}

void PaintBoard(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(kTableGreen));
    PaintColourCells(p);
    PaintRuling(p);
    PaintNumbers(p);
    PaintColumnCells(p);
}
