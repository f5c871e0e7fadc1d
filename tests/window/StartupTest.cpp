// The table as the player first sees it, after start-up.
#include "BoardFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <vector>

namespace {

struct ChipPlace {
    int spot;
    int left, top; // twips of the chip picture's top-left
};

// From the bet spot catalogue.
const std::vector<ChipPlace> kChipPlaces = {
    {0, 780, 120},     {1, 180, 345},     {2, 480, 345},     {6, 1680, 345},    {7, 180, 570},
    {12, 1680, 570},   {13, 180, 795},    {77, 1380, 3045},  {139, 180, 5520},  {144, 1680, 5520},
    {145, 180, 5970},  {146, 780, 5970},  {147, 1380, 5970}, {148, 1980, 1245}, {149, 1980, 3045},
    {150, 1980, 4845}, {151, 2580, 795},  {152, 2580, 1695}, {153, 2580, 2595}, {154, 2580, 3495},
    {155, 2580, 4395}, {156, 2580, 5295},
};

QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) {
        items << combo.itemText(i);
    }
    return items;
}

} // namespace

TEST_F(BoardTest, ChipsAndStakeLabelsStandOnTheirSpots) {
    for (const ChipPlace& p : kChipPlaces) {
        SCOPED_TRACE(p.spot);
        EXPECT_EQ(Find(QStringLiteral("imgChip(%1)").arg(p.spot))->pos(),
                  QPoint(Px(p.left), Px(p.top)));
        EXPECT_EQ(Find(QStringLiteral("lblChip(%1)").arg(p.spot))->pos(),
                  QPoint(Px(p.left + 20), Px(p.top + 45)));
    }
}

TEST_F(BoardTest, NoSpotChipIsVisibleBeforeTheFirstStake) {
    for (int s = 0; s < 157; ++s) {
        EXPECT_FALSE(Find(QStringLiteral("imgChip(%1)").arg(s))->isVisible()) << s;
        EXPECT_FALSE(Find(QStringLiteral("lblChip(%1)").arg(s))->isVisible()) << s;
    }
}

TEST_F(BoardTest, WheelLayoutSelectorBallAndCombosAreVisible) {
    for (const char* name : {"imgWheel", "imgBoard", "imgChipColour(0)", "lblChipColour(7)",
                             "shpBall", "cmbNeighb", "cmbNumber", "cmdSpin"}) {
        EXPECT_TRUE(Find(name)->isVisible()) << name;
    }
}

// 0.5 x 37 draws pocket 18, whose ball corner lies at 6227, 4416 twips.
TEST_F(BoardTest, BallRestsInTheDrawnPocket) {
    EXPECT_EQ(Find("shpBall")->geometry(), QRect(Px(6227), Px(4416), Px(225), Px(225)));
}

TEST_F(BoardTest, FiveDollarTableAndChipAreHighlighted) {
    const std::vector<std::pair<const char*, bool>> captions = {
        {"lblTable1", false},        {"lblTable2", false},        {"lblTable5", true},
        {"lblTable10", false},       {"lblChipColour(0)", false}, {"lblChipColour(1)", false},
        {"lblChipColour(2)", true},  {"lblChipColour(3)", false}, {"lblChipColour(4)", false},
        {"lblChipColour(5)", false}, {"lblChipColour(6)", false}, {"lblChipColour(7)", false},
    };
    for (const auto& [name, selected] : captions) {
        const QColor text = Find(name)->palette().color(QPalette::WindowText);
        EXPECT_EQ(text, selected ? QColor(Qt::black) : QColor(Qt::white)) << name;
    }
}

TEST_F(BoardTest, CoverStartsEmptyWithNumbers0To36) {
    auto* combo = Find<QComboBox>("cmbNumber");
    QStringList expected;
    for (int n = 0; n <= 36; ++n) {
        expected << QString::number(n);
    }
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), "");
    EXPECT_EQ(Items(*combo), expected);
}

TEST_F(BoardTest, EitherSideShowsTwoOverTheList1To6) {
    auto* combo = Find<QComboBox>("cmbNeighb");
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), "2");
    EXPECT_EQ(Items(*combo), QStringList({"1", "2", "3", "4", "5", "6"}));
}

TEST_F(BoardTest, TypedValueNeverJoinsAComboList) {
    for (const char* name : {"cmbNumber", "cmbNeighb"}) {
        SCOPED_TRACE(name);
        auto* combo = Find<QComboBox>(name);
        const int before = combo->count();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "99");
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(combo->currentText(), "99");
        EXPECT_EQ(combo->count(), before);
    }
}

TEST_F(BoardTest, StartUpLeavesTheTableEmpty) {
    const GameState& state = board.state();
    EXPECT_EQ(state.Balance, 0);
    EXPECT_EQ(state.BetTotal, 0);
    EXPECT_EQ(state.ChipIndex, 2);
    EXPECT_EQ(state.TableIndex, 2);
    EXPECT_EQ(state.BallPocket, 18);
    for (const char* name : {"txtWinSpin", "txtBetValue", "txtWinTotal", "txtLastNumber(0)"}) {
        EXPECT_TRUE(Find<QLineEdit>(name)->text().isEmpty()) << name;
    }
}
