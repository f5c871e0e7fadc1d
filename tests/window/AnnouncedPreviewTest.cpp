#include "AnnouncedPresses.h"
#include "core/LayoutOracle.h"

#include "window/Artwork.h"
#include "window/Picture.h"

#include <QAction>
#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

#include <map>
#include <set>

namespace {

using Numbers = std::set<int>;

// The window pixels a number's marks may touch: its layout cell and its
// wheel pocket, a pixel of antialiasing around the pocket allowed.
QImage MarkArea(int number, QSize window, QPoint wheelOrigin) {
    QImage area(window, QImage::Format_Grayscale8);
    area.fill(0);
    QPainter p(&area);
    p.fillRect(BoardNumberCell(number), Qt::white);
    p.translate(wheelOrigin);
    p.setPen(QPen(Qt::white, 3.0));
    p.setBrush(Qt::white);
    p.drawPath(WheelPocketPath(oracle::PocketOf(number)));
    return area;
}

class AnnouncedPreviewTest : public AnnouncedTest {
  protected:
    void Enter(QWidget* control) {
        const QPointF centre = QRectF(control->rect()).center();
        QEnterEvent enter(centre, control->mapTo(&board, centre), control->mapToGlobal(centre));
        QApplication::sendEvent(control, &enter);
    }
    void Leave(QWidget* control) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(control, &leave);
    }
    QPoint WheelOrigin() { return Find(QStringLiteral("imgWheel"))->pos(); }

    // Hovers the button and checks that exactly the marks of `marked`
    // appear, on both pictures, and that leaving restores every pixel.
    void ExpectPreviewOf(const char* button, const Numbers& marked) {
        const QImage before = Grab();
        Enter(Find(button));
        const QImage during = Grab();
        std::map<int, QImage> areas;
        for (const int n : marked) {
            areas.emplace(n, MarkArea(n, during.size(), WheelOrigin()));
        }
        Numbers changed;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                if (before.pixel(x, y) == during.pixel(x, y)) {
                    continue;
                }
                const auto owner = std::find_if(areas.begin(), areas.end(), [&](const auto& area) {
                    return qGray(area.second.pixel(x, y)) != 0;
                });
                ASSERT_NE(owner, areas.end()) << "unmarked pixel changed at " << x << "," << y;
                changed.insert(owner->first);
            }
        }
        EXPECT_EQ(changed, marked);
        Leave(Find(button));
        EXPECT_EQ(Grab(), before) << "the window differs after the pointer left " << button;
    }

    // A pixel clear of the number's text, inside its layout cell's mark.
    QRgb CellColour(const QImage& image, int number) {
        const QRect cell = BoardNumberCell(number);
        return image.pixel(cell.left() + 6, cell.bottom() - 5);
    }
};

TEST_F(AnnouncedPreviewTest, TierMarksItsTwelveNumbersAndLeavesNoTrace) {
    ShowStake(27, 25, 4); // a chip lying on the layout stays as it is
    ExpectPreviewOf("cmdTier", {5, 8, 10, 11, 13, 16, 23, 24, 27, 30, 33, 36});
}

TEST_F(AnnouncedPreviewTest, NeighboursMarkAndTellTheNumbersTypedFor) {
    SelectChip(4);
    Type(Cover(), "17");
    Type(EitherSide(), "2");
    ExpectPreviewOf("cmdNeighb", {17, 34, 25, 6, 2});
    auto* neighb = Find<QPushButton>("cmdNeighb");
    EXPECT_EQ(neighb->toolTip(), "Neighbours of 17, 2 either side\n"
                                 "straight 17, straight 34, straight 25, straight 6, straight 2\n"
                                 "5 chips of $25: $125");
    EXPECT_EQ(neighb->accessibleDescription(), neighb->toolTip());
}

TEST_F(AnnouncedPreviewTest, NumbersTakingTwoChipsLookDifferent) {
    Enter(Find("cmdGrande"));
    const QImage during = Grab();
    EXPECT_EQ(CellColour(during, 3), CellColour(during, 29)) << "both take two chips";
    EXPECT_EQ(CellColour(during, 4), CellColour(during, 35)) << "both take one chip";
    EXPECT_NE(CellColour(during, 3), CellColour(during, 4));
    EXPECT_NE(CellColour(during, 4), CellColour(during, 1)) << "1 takes none";
}

TEST_F(AnnouncedPreviewTest, AfterAPressTheForecastIsRenewed) {
    SelectChip(5);
    auto* tier = Find<QPushButton>("cmdTier");
    Enter(tier);
    PressButton("cmdTier", Qt::LeftButton);
    PressButton("cmdTier", Qt::LeftButton); // every split now at its maximum, 200
    QCoreApplication::processEvents();
    EXPECT_TRUE(tier->toolTip().endsWith(
        "The $5 table refuses chip 1, split 5/8: \"Maximum bet allowed is  200\"\n"
        "No chip is placed before it."))
        << tier->toolTip().toStdString();
    ExpectPreviewOf("cmdTier", {});
}

TEST_F(AnnouncedPreviewTest, NothingIsMarkedDuringASpin) {
    auto* layout = Find<Picture>("imgBoard");
    auto* wheel = Find<Picture>("imgWheel");
    Enter(Find("cmdOrphns"));
    ASSERT_TRUE(layout->hasOverlay() && wheel->hasOverlay());
    board.findChild<QTimer*>(QStringLiteral("tmrDelay"))->setInterval(60'000);
    // By its key (F5): the pointer stays on Orphns.
    board.findChild<QAction*>(QStringLiteral("actSpin"))->trigger();
    EXPECT_FALSE(layout->hasOverlay() || wheel->hasOverlay());
    Enter(Find("cmdZero"));
    EXPECT_FALSE(layout->hasOverlay() || wheel->hasOverlay());
}

} // namespace
