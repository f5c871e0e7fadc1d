#include "window/common/PreviewMarks.h"

#include "window/common/Artwork.h"
#include "window/common/BoardFonts.h"

#include <QPainter>
#include <QPainterPath>

#include <cstddef>

namespace {

const QColor kOneChipEdge(0xFF, 0xEB, 0x3B);
const QColor kOneChipFill(0xFF, 0xEB, 0x3B, 0x60);
const QColor kTwoChipEdge(0x00, 0xE5, 0xFF);
const QColor kTwoChipFill(0x00, 0xE5, 0xFF, 0x70);

QPen EdgePen(int chips) {
    return {chips > 1 ? kTwoChipEdge : kOneChipEdge, chips > 1 ? 3.0 : 2.0};
}

QColor Fill(int chips) {
    return chips > 1 ? kTwoChipFill : kOneChipFill;
}

// The count sits in the cell's top-left corner, clear of the number itself.
void PaintCount(QPainter& p, const QRect& cell, int chips) {
    const QRect badge(cell.left() + 3, cell.top() + 3, 11, 10);
    p.fillRect(badge, Qt::black);
    p.setPen(kTwoChipEdge);
    p.setFont(ArtworkFont(8));
    p.drawText(badge, Qt::AlignCenter, QString::number(chips));
}

const QColor kAskedEdge(0x00, 0xE6, 0x76);
const QColor kAskedFill(0x00, 0xE6, 0x76, 0x50);
const QColor kGivenEdge(0xFF, 0x40, 0x81);
const QColor kGivenFill(0xFF, 0x40, 0x81, 0x50);

// The given pattern's edge sits this far inside the asked one's.
constexpr double kAskedInset = 1.5;
constexpr double kGivenInset = 5.0;

void PaintEdge(QPainter& p, const QRectF& cell, const QColor& edge, double inset) {
    p.setPen(QPen(edge, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(inset, inset, -inset, -inset));
}

// A pocket is a thin wedge: the given edge is the pocket shrunk about its middle.
QPainterPath Shrunk(const QPainterPath& path) {
    constexpr double kScale = 0.6;
    const QPointF middle = path.boundingRect().center();
    QTransform shrink;
    shrink.translate(middle.x(), middle.y());
    shrink.scale(kScale, kScale);
    shrink.translate(-middle.x(), -middle.y());
    return shrink.map(path);
}

void PaintPairShape(QPainter& p, const QPainterPath& path, bool asked, bool given) {
    p.save();
    p.setClipPath(path);
    p.fillPath(path, asked ? kAskedFill : kGivenFill);
    p.setBrush(Qt::NoBrush);
    if (asked) {
        p.setPen(QPen(kAskedEdge, 2 * kAskedInset + 3.0));
        p.drawPath(path);
    }
    if (given) {
        p.setPen(QPen(kGivenEdge, 3.0));
        p.drawPath(Shrunk(path));
    }
    p.restore();
}

} // namespace

void PaintLayoutPair(QPainter& p, const ChipsByNumber& asked, const ChipsByNumber& given) {
    for (std::size_t n = 0; n < asked.size(); ++n) {
        if (asked[n] == 0 && given[n] == 0) {
            continue;
        }
        const QRect cell = BoardNumberCell(static_cast<int>(n)).adjusted(2, 2, -1, -1);
        p.fillRect(cell, asked[n] != 0 ? kAskedFill : kGivenFill);
        if (asked[n] != 0) {
            PaintEdge(p, cell, kAskedEdge, kAskedInset);
        }
        if (given[n] != 0) {
            PaintEdge(p, cell, kGivenEdge, kGivenInset);
        }
    }
}

void PaintWheelPair(QPainter& p, const ChipsByNumber& asked, const ChipsByNumber& given,
                    const Catalogue& catalogue) {
    p.setRenderHint(QPainter::Antialiasing);
    for (int pocket = 0; pocket < kPocketCount; ++pocket) {
        const auto n =
            static_cast<std::size_t>(catalogue.WheelPocket[0].at(static_cast<std::size_t>(pocket)));
        if (asked.at(n) != 0 || given.at(n) != 0) {
            PaintPairShape(p, WheelPocketPath(pocket), asked.at(n) != 0, given.at(n) != 0);
        }
    }
}

void PaintLayoutMarks(QPainter& p, const ChipsByNumber& chips) {
    for (std::size_t n = 0; n < chips.size(); ++n) {
        if (chips[n] == 0) {
            continue;
        }
        // Inside the ruling, which stays as drawn.
        const QRect cell = BoardNumberCell(static_cast<int>(n)).adjusted(2, 2, -1, -1);
        p.fillRect(cell, Fill(chips[n]));
        p.setPen(EdgePen(chips[n]));
        p.setBrush(Qt::NoBrush);
        const double inset = chips[n] > 1 ? 1.5 : 1.0;
        p.drawRect(QRectF(cell).adjusted(inset, inset, -inset, -inset));
        if (chips[n] > 1) {
            PaintCount(p, cell, chips[n]);
        }
    }
}

void PaintWheelMarks(QPainter& p, const ChipsByNumber& chips, const Catalogue& catalogue) {
    p.setRenderHint(QPainter::Antialiasing);
    for (int pocket = 0; pocket < kPocketCount; ++pocket) {
        const int count = chips.at(static_cast<std::size_t>(
            catalogue.WheelPocket[0].at(static_cast<std::size_t>(pocket))));
        if (count == 0) {
            continue;
        }
        PaintShapeMark(p, WheelPocketPath(pocket), count);
    }
}

// Clipped to the shape and drawn twice as wide, so the edge lies inside it
// and leaves the neighbouring shapes as they are.
void PaintShapeMark(QPainter& p, const QPainterPath& path, int chips) {
    p.save();
    p.setClipPath(path);
    QPen pen = EdgePen(chips);
    pen.setWidthF(2 * pen.widthF());
    p.setPen(pen);
    p.setBrush(Fill(chips));
    p.drawPath(path);
    p.restore();
}
