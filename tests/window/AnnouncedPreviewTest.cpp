#include "PlayerPresses.h"
#include "core/LayoutOracle.h"

#include "window/common/Artwork.h"
#include "window/common/Picture.h"

#include <QPainter>
#include <QPainterPath>

#include <set>

namespace {

using Numbers = std::set<int>;

class AnnouncedPreviewTest : public AnnouncedTest {
  protected:
    // Hovers the button and returns the window as drawn then. Only the
    // layout cells and wheel pockets (a pixel of antialiasing allowed) of
    // exactly the numbers `marked` may change, and leaving restores every pixel.
    QImage ExpectPreviewOf(const char* button, const Numbers& marked) {
        const QImage before = Grab();
        Enter(Find(button));
        const QImage during = Grab();
        QImage owners(during.size(), QImage::Format_Grayscale8); // number + 1, 0 for none
        owners.fill(0);
        QPainter p(&owners);
        for (const int n : marked) {
            const QColor grey(n + 1, n + 1, n + 1);
            p.fillRect(BoardNumberCell(n), grey);
            p.setPen(QPen(grey, 3.0));
            p.setBrush(grey);
            p.drawPath(WheelPocketPath(oracle::PocketOf(n)).translated(Find("imgWheel")->pos()));
        }
        Numbers changed;
        for (int i = 0; i < during.width() * during.height(); ++i) {
            const QPoint at(i % during.width(), i / during.width());
            if (before.pixel(at) != during.pixel(at)) {
                changed.insert(qGray(owners.pixel(at)) - 1); // -1: no mark may lie here
            }
        }
        EXPECT_EQ(changed, marked);
        Leave(Find(button));
        EXPECT_EQ(Grab(), before) << "the window differs after the pointer left " << button;
        return during;
    }
};

// Grande puts two chips on 3 and 29, one on 32 and 35: they are compared on
// cells of one colour, at a pixel clear of the number.
TEST_F(AnnouncedPreviewTest, GrandeMarksItsNumbersTwoChipsUnlikeOneAndLeavesNoTrace) {
    ShowStake(27, 25, 4); // a chip lying on the layout stays as it is
    const QImage during = ExpectPreviewOf(
        "cmdGrande", {0, 2, 3, 4, 7, 12, 15, 18, 19, 21, 22, 25, 26, 28, 29, 32, 35});
    const auto mark = [&](int n) {
        return during.pixel(BoardNumberCell(n).bottomLeft() + QPoint(6, -5));
    };
    EXPECT_NE(mark(3), mark(32)) << "red cells";
    EXPECT_NE(mark(29), mark(35)) << "black cells";
}

TEST_F(AnnouncedPreviewTest, NeighboursMarkAndTellTheNumbersTypedFor) {
    SelectChip(4);
    Type(Cover(), "17");
    Type(EitherSide(), "2");
    ExpectPreviewOf("cmdNeighb", {17, 34, 25, 6, 2});
    Enter(Find("cmdNeighb"));
    Type(Cover(), "26"); // while the pointer rests on the button
    EXPECT_EQ(
        Find("cmdNeighb")->toolTip(),
        "Neighbours of 26, 2 either side\n"
        "straight 26, straight 0, straight 3, straight 32, straight 35\n5 chips of $25: $125");
    EXPECT_EQ(Find("cmdNeighb")->accessibleDescription(), Find("cmdNeighb")->toolTip());
}

TEST_F(AnnouncedPreviewTest, APressRenewsTheForecastAndASpinTakesTheMarksAway) {
    SelectChip(5);
    Enter(Find("cmdTier"));
    PressButton("cmdTier", Qt::LeftButton);
    PressButton("cmdTier", Qt::LeftButton); // every split now at its maximum, 200
    QCoreApplication::processEvents();
    EXPECT_TRUE(Find("cmdTier")->toolTip().contains("refuses chip 1, split 5/8"));
    ExpectPreviewOf("cmdTier", {});
    Enter(Find("cmdOrphns"));
    ASSERT_TRUE(Find<Picture>("imgBoard")->hasOverlay());
    // By its key (F5): the pointer stays on Orphns.
    ActionOf(board, "actSpin")->trigger();
    EXPECT_FALSE(Find<Picture>("imgBoard")->hasOverlay() ||
                 Find<Picture>("imgWheel")->hasOverlay());
}

} // namespace
