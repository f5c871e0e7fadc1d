// The spot controls are left bare at start (no face, colour or description
// until a stake lies there); once shown they must read and look as ever.
#include "PlayerPresses.h"

#include "betting/BetNames.h"
#include "betting/UpdateChip.h"
#include "window/common/BoardFonts.h"

#include <QAccessible>
#include <QAction>

#include <cmath>
#include <utility>
#include <vector>

namespace {

struct SpotCase {
    std::int16_t spot;
    std::int16_t stake;
    std::int16_t chip;
    int pointSize; // "Small Fonts" 6 pt, 5 pt from four characters on
};

class SpotLookTest : public BoardTest, public ::testing::WithParamInterface<int> {
  protected:
    QString Description(const QString& name) {
        return QAccessible::queryAccessibleInterface(Find(name))->text(QAccessible::Description);
    }
};

const QString kChipDescription =
    QStringLiteral("A press adds the selected chip, a right press takes the chip's value off");

std::vector<SpotCase> Cases() {
    return {
        {75, 25, 4, 6},
        {0, 1000, 2, 5},
        {40, 5, 7, 6},
        {150, 100, 5, 6},
    };
}

TEST_P(SpotLookTest, AShownStakeHasItsDescriptionFaceAndColour) {
    const SpotCase row = Cases().at(static_cast<std::size_t>(GetParam()));
    const QString label = QStringLiteral("lblChip(%1)").arg(row.spot);
    const QString chip = QStringLiteral("imgChip(%1)").arg(row.spot);
    WaitForHelp(board);
    ShowStake(row.spot, row.stake, row.chip);
    ASSERT_TRUE(Find(label)->isVisible());
    EXPECT_EQ(Description(label), QString::fromStdString("Stake on " + SpotName(row.spot)));
    EXPECT_EQ(Description(chip), kChipDescription);
    EXPECT_EQ(Find(label)->font(), StakeLabelFont(row.pointSize));
    const bool white = FormatValue(board.state(), row.spot).white;
    EXPECT_EQ(TextColour(Find(label)), white ? QColor(Qt::white) : QColor(Qt::black));
}

INSTANTIATE_TEST_SUITE_P(Spots, SpotLookTest, ::testing::Range(0, 4));

// A stake put down while the table is hidden is described once the help arrives.
TEST(SpotLookHiddenTest, AStakeShownBeforeTheTableIsDescribedWhenItShows) {
    frmBoard board(nullptr, std::make_unique<FixedRandom>());
    board.stateForTest().SpotStake.at(75) = 25;
    board.stateForTest().SpotChip.at(75) = 4;
    board.RedrawSpot(75);
    board.show();
    WaitForHelp(board);
    const auto description = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(board.findChild<QWidget*>(name))
            ->text(QAccessible::Description);
    };
    EXPECT_EQ(description("lblChip(75)"), "Stake on split 17/20");
    EXPECT_EQ(description("imgChip(75)"), kChipDescription);
}

// Zoomed by the player's steps; the faces are the designed pixel sizes scaled.
class SpotLookZoomTest : public BoardTest {
  protected:
    void ZoomTo(int percent) {
        board.findChild<QAction*>("actZoomReset")->trigger();
        while (std::lround(board.Zoom() * 100) < percent) {
            board.findChild<QAction*>("actZoomIn")->trigger();
        }
    }
    int PixelSize(const char* name) { return Find(QLatin1String(name))->font().pixelSize(); }
};

// The table's own face reaches the controls that inherit it, the others carry
// their role's face, and a stake label its own, whether shown before or after.
TEST_F(SpotLookZoomTest, EveryFaceScalesWithTheZoomAndComesBackAtActualSize) {
    ShowStake(75, 25, 4);
    const std::vector<std::pair<int, std::vector<int>>> rows = {
        // zoom, then cmdSpin, lblTable1, cmdNeighb, txtWinTotal, lblChip(75), lblChip(0)
        {200, {20, 20, 18, 26, 16, 14}},
        {150, {15, 15, 14, 20, 12, 11}},
        {100, {10, 10, 9, 13, 8, 7}},
    };
    for (const auto& [percent, sizes] : rows) {
        SCOPED_TRACE(percent);
        ZoomTo(percent);
        if (percent == 200) {
            ShowStake(0, 1000, 2); // shown at the zoom: four characters, the narrow face
        }
        const std::vector<int> seen = {PixelSize("cmdSpin"),     PixelSize("lblTable1"),
                                       PixelSize("cmdNeighb"),   PixelSize("txtWinTotal"),
                                       PixelSize("lblChip(75)"), PixelSize("lblChip(0)")};
        EXPECT_EQ(seen, sizes);
    }
    EXPECT_EQ(Find("lblChip(0)")->font(), StakeLabelFont(5));
}

} // namespace
