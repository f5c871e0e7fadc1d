// The redraws show exactly what the state holds.
#include "BoardFixture.h"

#include "window/Picture.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>

#include <vector>

namespace {

struct StakeCase {
    const char* name;
    std::int16_t stake;
    std::int16_t chip;
    const char* text;
    int pixelSize; // 6 pt up to three characters, 5 pt from four
    bool white;    // white on the dark chips 2, 3 and 5
};

const std::vector<StakeCase> kStakes = {
    {"one dollar on a white chip", 1, 0, "1", 8, false},
    {"five on the maroon chip", 5, 2, "5", 8, true},
    {"ten on the blue chip", 10, 3, "10", 8, true},
    {"twenty-five on the green chip", 25, 4, "25", 8, false},
    {"a hundred on the dark grey chip", 100, 5, "100", 8, true},
    {"five hundred on the olive chip", 500, 6, "500", 8, false},
    {"a thousand on the cyan chip", 1000, 7, "1000", 7, false},
    {"two thousand on the silver chip", 2000, 1, "2000", 7, false},
};

struct HistoryCase {
    HistoryColour colour;
    QColor shown;
};

} // namespace

TEST_F(BoardTest, StakeLabelShowsTheStakeInTheChipsLook) {
    for (const StakeCase& c : kStakes) {
        SCOPED_TRACE(c.name);
        ShowStake(77, c.stake, c.chip);
        auto* chip = Find<Picture>("imgChip(77)");
        auto* label = Find<QLabel>("lblChip(77)");
        EXPECT_TRUE(chip->isVisible());
        EXPECT_TRUE(label->isVisible());
        EXPECT_EQ(chip->artwork(), (ArtworkId{ArtworkKind::Chip, c.chip}));
        EXPECT_EQ(label->text(), c.text);
        EXPECT_EQ(QFontInfo(label->font()).pixelSize(), c.pixelSize);
        EXPECT_EQ(label->palette().color(QPalette::WindowText),
                  c.white ? QColor(Qt::white) : QColor(Qt::black));
    }
}

TEST_F(BoardTest, ClearedSpotHidesChipAndLabel) {
    ShowStake(77, 25, 4);
    ShowStake(77, 0, 4);
    EXPECT_FALSE(Find("imgChip(77)")->isVisible());
    EXPECT_FALSE(Find("lblChip(77)")->isVisible());
    EXPECT_FALSE(Find("imgChip(76)")->isVisible());
}

TEST_F(BoardTest, TotalsStayEmptyUntilFirstWritten) {
    GameState& state = board.stateForTest();
    state.BetTotal = 15;
    state.Balance = -15;
    board.RedrawTotals();
    EXPECT_EQ(Find<QLineEdit>("txtBetValue")->text(), "");
    EXPECT_EQ(Find<QLineEdit>("txtWinTotal")->text(), "");
    EXPECT_EQ(Find<QLineEdit>("txtWinSpin")->text(), "");
}

TEST_F(BoardTest, TotalsAreShownInSignedForm) {
    GameState& state = board.stateForTest();
    state.TotalsShown = true;
    state.BetTotal = 15;
    state.Balance = -15;
    state.LastWin = 0;
    board.RedrawTotals();
    EXPECT_EQ(Find<QLineEdit>("txtBetValue")->text(), " 15");
    EXPECT_EQ(Find<QLineEdit>("txtWinTotal")->text(), "-15");
    EXPECT_EQ(Find<QLineEdit>("txtWinSpin")->text(), " 0");
}

TEST_F(BoardTest, HistoryShowsEachNumberInItsColour) {
    const std::vector<HistoryCase> cases = {{HistoryColour::Red, QColor(0xFF, 0x00, 0x00)},
                                            {HistoryColour::Yellow, QColor(0xFF, 0xFF, 0x00)},
                                            {HistoryColour::Green, QColor(0x00, 0xFF, 0x00)}};
    GameState& state = board.stateForTest();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        state.LastNumbers.at(i) = {"  " + std::to_string(i + 7), cases[i].colour};
    }
    board.RedrawHistory();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        auto* box = Find<QLineEdit>(QStringLiteral("txtLastNumber(%1)").arg(i));
        EXPECT_EQ(box->text(), QStringLiteral("  %1").arg(i + 7));
        EXPECT_EQ(box->palette().color(QPalette::Text), cases[i].shown) << i;
    }
    EXPECT_EQ(Find<QLineEdit>("txtLastNumber(3)")->text(), "");
}

TEST_F(BoardTest, HighlightFollowsTheSelectedChipAndTable) {
    GameState& state = board.stateForTest();
    state.ChipIndex = 7;
    state.TableIndex = 3;
    board.RedrawSelectors();
    const auto colour = [this](const char* name) {
        return Find(name)->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(colour("lblChipColour(7)"), QColor(Qt::black));
    EXPECT_EQ(colour("lblChipColour(2)"), QColor(Qt::white));
    EXPECT_EQ(colour("lblTable10"), QColor(Qt::black));
    EXPECT_EQ(colour("lblTable5"), QColor(Qt::white));
    EXPECT_EQ(colour("lblTable1"), QColor(Qt::white));
}
