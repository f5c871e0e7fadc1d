#include "window/common/Artwork.h"

#include "window/common/BoardFonts.h"

#include <QCoreApplication>
#include <QPainter>

#include <array>

namespace {

constexpr std::array<QRgb, 8> kChipColours = {0xFFFFFF, 0xC0C0C0, 0x800000, 0x0000FF,
                                              0x00FF00, 0x424242, 0x808000, 0x00FFFF};

// The layout's own words, as a French or German layout prints them when translated.
constexpr std::array<const char*, 3> kDozenTexts = {QT_TRANSLATE_NOOP("Artwork", "1st 12"),
                                                    QT_TRANSLATE_NOOP("Artwork", "2nd 12"),
                                                    QT_TRANSLATE_NOOP("Artwork", "3rd 12")};
constexpr std::array<const char*, 4> kEvenChanceTexts = {
    "1-18", QT_TRANSLATE_NOOP("Artwork", "EVEN"), QT_TRANSLATE_NOOP("Artwork", "ODD"), "19-36"};

// Green field with a caption that reads upwards, as on the long side of the layout.
void PaintUpwardText(QPainter& p, QSize size, const QString& text, int pixelSize) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(kTableGreen));
    p.save();
    p.translate(0, size.height());
    p.rotate(-90);
    p.setFont(ArtworkFont(pixelSize));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size.height(), size.width()), Qt::AlignCenter, text);
    p.restore();
}

void PaintChip(QPainter& p, QSize size, int chip) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(ChipColour(chip));
    p.drawEllipse(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
}

void PaintBall(QPainter& p, QSize size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
}

} // namespace

QColor ChipColour(int chip) {
    return QColor(kChipColours.at(static_cast<std::size_t>(chip)));
}

void PaintArtwork(QPainter& painter, QSize size, ArtworkId art) {
    const auto index = static_cast<std::size_t>(art.index);
    switch (art.kind) {
    case ArtworkKind::None:
        return;
    case ArtworkKind::Board:
        return PaintBoard(painter, size);
    case ArtworkKind::Wheel:
        return PaintWheel(painter, size);
    case ArtworkKind::Dozen:
        return PaintUpwardText(painter, size,
                               QCoreApplication::translate("Artwork", kDozenTexts.at(index)), 12);
    case ArtworkKind::EvenChance:
        return PaintUpwardText(
            painter, size, QCoreApplication::translate("Artwork", kEvenChanceTexts.at(index)), 10);
    case ArtworkKind::Chip:
        return PaintChip(painter, size, art.index);
    case ArtworkKind::Ball:
        return PaintBall(painter, size);
    }
}
