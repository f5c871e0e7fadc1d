// Whatever is typed into "Cover" and "Either Side" is read at the press,
// never joins the lists, and cannot bring the table down.
#include "AnnouncedPresses.h"

#include <numeric>
#include <vector>

namespace {

const std::vector<const char*> kAnnouncedButtons = {
    "cmdTier",   "cmdOrphns", "cmdGrande",  "cmdZero",  "cmdNeighb",  "cmdFinals",
    "cmdFigure", "cmdBirds",  "cmdCousins", "cmdReds",  "cmdBlacks",  "cmdQtr1",
    "cmdQtr2",   "cmdQtr3",   "cmdQtr4",    "cmdOppos", "cmdQtrPlus", "cmdQtrMinus"};

const std::vector<QString> kShortTexts = {"abc", "99999", "-40000", "1e1", ""};
const std::vector<QString> kLongTexts = {QString(5000, '9'), QString(5000, 'x')};

// Typed and entered; the box keeps its list and shows what was typed.
void Enter(QComboBox* box, const QString& text) {
    const int count = box->count();
    Type(box, text);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(box->count(), count);
    EXPECT_EQ(box->currentText(), text);
}

} // namespace

TEST_F(AnnouncedTest, OddTypedTextsNeverBreakTheTable) {
    struct Texts {
        QString cover;
        QString eitherSide;
    };
    std::vector<Texts> rows;
    for (const QString& text : kShortTexts) {
        rows.push_back({text, "2"});
        rows.push_back({"17", text});
    }
    for (const QString& text : kLongTexts) { // typed once into each box: slow
        rows.push_back({text, text});
    }
    BoxLog boxes; // limits may refuse chips along the way: answered, not counted
    for (const Texts& row : rows) {
        SCOPED_TRACE(row.cover.left(12).toStdString() + " / " +
                     row.eitherSide.left(12).toStdString());
        Enter(Cover(), row.cover);
        Enter(EitherSide(), row.eitherSide);
        for (const char* name : kAnnouncedButtons) {
            for (const Qt::MouseButton button :
                 {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton}) {
                PressButton(name, button);
            }
        }
        const GameState& state = board.state();
        EXPECT_EQ(state.BetTotal,
                  std::accumulate(state.SpotStake.begin(), state.SpotStake.end(), 0));
        EXPECT_EQ(state.Balance + state.BetTotal, 0);
        EXPECT_EQ(Cover()->count(), 37);
        EXPECT_EQ(EitherSide()->count(), 6);
    }
    EXPECT_TRUE(board.isVisible());
}

TEST_F(AnnouncedTest, EnterNeverAddsTheTypedTextToTheList) {
    std::vector<QString> texts = kShortTexts;
    texts.insert(texts.end(), {"47", "5", " 5", "-1", "2.5", "abc"});
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        Enter(Cover(), text);
        Enter(EitherSide(), text);
    }
    EXPECT_EQ(Cover()->count(), 37);
    EXPECT_EQ(EitherSide()->count(), 6);
}

TEST_F(AnnouncedTest, PressReadsTheTypedTextNotTheListChoice) {
    Cover()->setCurrentIndex(5); // "5" picked from the list
    Type(Cover(), "47");
    QTest::keyClick(Cover()->lineEdit(), Qt::Key_Return);
    PressButton("cmdFinals", Qt::LeftButton);
    ExpectStakes({{31, 5}, {69, 5}, {107, 5}});
    PressButton("cmdFinals", Qt::RightButton);

    Type(Cover(), "0");
    EitherSide()->setCurrentIndex(0); // "1"
    Type(EitherSide(), "3");
    QTest::keyClick(EitherSide()->lineEdit(), Qt::Key_Return);
    PressButton("cmdNeighb", Qt::LeftButton);
    // 0, then 32 / 26, 15 / 3, 19 / 35 either side on the wheel.
    ExpectStakes({{0, 5}, {129, 5}, {105, 5}, {59, 5}, {11, 5}, {79, 5}, {141, 5}});
}
