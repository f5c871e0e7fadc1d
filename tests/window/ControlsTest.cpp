// Every control of the window: its name, kind, place, size and caption.
#include "BoardFixture.h"

#include "window/Picture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace {

enum class Kind { Button, Label, TextBox, Combo, Picture };

struct Expected {
    const char* name;
    Kind kind;
    int left, top, width, height; // twips
    const char* caption;          // nullptr: none to check
};

// Straight from the window's layout tables, in twips.
const std::vector<Expected> kControls = {
    {"cmdSpin", Kind::Button, 4080, 600, 735, 375, "Spin"},
    {"cmdGrande", Kind::Button, 1800, 15, 600, 230, "Grande"},
    {"cmdTier", Kind::Button, 2400, 15, 600, 230, "Tier"},
    {"cmdOrphns", Kind::Button, 3000, 15, 600, 230, "Orphns"},
    {"cmdZero", Kind::Button, 3600, 15, 600, 230, "Zero"},
    {"cmdReds", Kind::Button, 4200, 15, 600, 230, "Reds"},
    {"cmdBlacks", Kind::Button, 4800, 15, 600, 230, "Blacks"},
    {"cmdQtr1", Kind::Button, 5400, 15, 600, 230, "1st Qtr"},
    {"cmdQtr2", Kind::Button, 6000, 15, 600, 230, "2nd Qtr"},
    {"cmdQtr3", Kind::Button, 6600, 15, 600, 230, "3rd Qtr"},
    {"cmdQtr4", Kind::Button, 7200, 15, 600, 230, "4th Qtr"},
    {"cmdCousins", Kind::Button, 1800, 240, 600, 230, "Cousin"},
    {"cmdBirds", Kind::Button, 2400, 240, 600, 230, "Birds"},
    {"cmdFinals", Kind::Button, 3000, 240, 600, 230, "Finals"},
    {"cmdFigure", Kind::Button, 3600, 240, 600, 230, "Figure"},
    {"cmdNeighb", Kind::Button, 4200, 240, 600, 230, "Neighb"},
    {"cmdOppos", Kind::Button, 4800, 240, 600, 230, "Oppos"},
    {"cmdQtrMinus", Kind::Button, 5400, 240, 600, 230, "Qtr -"},
    {"cmdQtrPlus", Kind::Button, 6000, 240, 600, 230, "Qtr +"},
    {"cmdExit", Kind::Button, 6600, 240, 600, 230, "Exit"},
    {"cmdHelp", Kind::Button, 7200, 240, 600, 230, "Help"},
    {"Label4", Kind::Label, 7860, 0, 795, 195, "Either Side"},
    {"Label5", Kind::Label, 7935, 600, 435, 195, "Cover"},
    {"lblChips", Kind::Label, 3240, 600, 465, 195, "Chips:"},
    {"lblTable", Kind::Label, 3120, 3120, 495, 195, "Table :"},
    {"lblTable10", Kind::Label, 3240, 3360, 270, 195, "$10"},
    {"lblTable5", Kind::Label, 3240, 3600, 255, 195, "$5"},
    {"lblTable2", Kind::Label, 3240, 3840, 255, 195, "$2"},
    {"lblTable1", Kind::Label, 3240, 4080, 255, 195, "$1"},
    {"Label1", Kind::Label, 4200, 5880, 1095, 255, "Last Win"},
    {"Label3", Kind::Label, 6000, 5880, 495, 255, "Bet"},
    {"Label2", Kind::Label, 7440, 5880, 975, 255, "Balance"},
    {"txtWinSpin", Kind::TextBox, 5280, 5880, 735, 285, ""},
    {"txtBetValue", Kind::TextBox, 6480, 5880, 855, 285, ""},
    {"txtWinTotal", Kind::TextBox, 8400, 5880, 855, 285, ""},
    {"cmbNeighb", Kind::Combo, 7920, 240, 615, 315, nullptr},
    {"cmbNumber", Kind::Combo, 7920, 840, 615, 315, nullptr},
    {"imgChipColour(7)", Kind::Picture, 3120, 840, 270, 225, nullptr},
    {"imgChipColour(6)", Kind::Picture, 3120, 1080, 270, 225, nullptr},
    {"imgChipColour(5)", Kind::Picture, 3120, 1320, 270, 225, nullptr},
    {"imgChipColour(4)", Kind::Picture, 3120, 1560, 270, 225, nullptr},
    {"imgChipColour(3)", Kind::Picture, 3120, 1800, 270, 225, nullptr},
    {"imgChipColour(2)", Kind::Picture, 3120, 2040, 270, 225, nullptr},
    {"imgChipColour(1)", Kind::Picture, 3120, 2280, 270, 225, nullptr},
    {"imgChipColour(0)", Kind::Picture, 3120, 2520, 270, 225, nullptr},
    {"lblChipColour(7)", Kind::Label, 3480, 840, 450, 195, "$1000"},
    {"lblChipColour(6)", Kind::Label, 3480, 1080, 360, 195, "$500"},
    {"lblChipColour(5)", Kind::Label, 3480, 1320, 360, 195, "$100"},
    {"lblChipColour(4)", Kind::Label, 3480, 1560, 270, 195, "$25"},
    {"lblChipColour(3)", Kind::Label, 3480, 1800, 345, 195, "2x$5"},
    {"lblChipColour(2)", Kind::Label, 3480, 2040, 195, 195, "$5"},
    {"lblChipColour(1)", Kind::Label, 3480, 2280, 180, 195, "$2"},
    {"lblChipColour(0)", Kind::Label, 3480, 2520, 180, 195, "$1"},
    {"imgWheel", Kind::Picture, 3480, 480, 5625, 5670, nullptr},
    {"imgZero", Kind::Picture, 120, 0, 1575, 375, nullptr},
    {"imgDoz1", Kind::Picture, 1920, 600, 390, 1560, nullptr},
    {"imgDoz2", Kind::Picture, 1920, 2400, 390, 1560, nullptr},
    {"imgDoz3", Kind::Picture, 1920, 4200, 390, 1560, nullptr},
    {"imgLow", Kind::Picture, 2520, 525, 375, 750, nullptr},
    {"imgEven", Kind::Picture, 2520, 1440, 375, 750, nullptr},
    {"imgRed", Kind::Picture, 2520, 2320, 375, 735, nullptr},
    {"imgBlk", Kind::Picture, 2520, 3240, 375, 735, nullptr},
    {"imgOdd", Kind::Picture, 2520, 4125, 375, 750, nullptr},
    {"imgHigh", Kind::Picture, 2520, 5040, 375, 750, nullptr},
    {"imgCol1", Kind::Picture, 0, 5880, 585, 375, nullptr},
    {"imgCol2", Kind::Picture, 600, 5880, 585, 375, nullptr},
    {"imgCol3", Kind::Picture, 1200, 5880, 585, 375, nullptr},
    {"imgBoard", Kind::Picture, 0, 0, 3015, 6315, nullptr},
};

bool IsKind(const QWidget& w, Kind kind) {
    switch (kind) {
    case Kind::Button:
        return qobject_cast<const QPushButton*>(&w) != nullptr;
    case Kind::Label:
        return qobject_cast<const QLabel*>(&w) != nullptr;
    case Kind::TextBox:
        return qobject_cast<const QLineEdit*>(&w) != nullptr;
    case Kind::Combo:
        return qobject_cast<const QComboBox*>(&w) != nullptr;
    case Kind::Picture:
        return qobject_cast<const Picture*>(&w) != nullptr;
    }
    return false;
}

QString Caption(const QWidget& w) {
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        return label->text();
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(&w)) {
        return box->text();
    }
    return {};
}

} // namespace

TEST_F(BoardTest, EveryControlHasItsKindPlaceSizeAndCaption) {
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        const auto matches = board.findChildren<QWidget*>(e.name);
        ASSERT_EQ(matches.size(), 1) << "missing or named twice";
        const QWidget& w = *matches.front();
        EXPECT_TRUE(IsKind(w, e.kind)) << w.metaObject()->className();
        EXPECT_EQ(w.geometry(), PxRect(e.left, e.top, e.width, e.height));
        if (e.caption) {
            EXPECT_EQ(Caption(w), QString::fromUtf8(e.caption));
        }
    }
}

TEST_F(BoardTest, HistoryColumnHasFourteenEmptyBoxesDownFromTheTop) {
    for (int i = 0; i < 14; ++i) {
        SCOPED_TRACE(i);
        auto* box = Find<QLineEdit>(QStringLiteral("txtLastNumber(%1)").arg(i));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->geometry(), PxRect(8880, 120 + 240 * i, 495, 285));
        EXPECT_TRUE(box->text().isEmpty());
    }
    EXPECT_EQ(Find("txtLastNumber(14)"), nullptr);
}

TEST_F(BoardTest, SpotChipArraysHaveExactlyIndices0To156) {
    for (int s = 0; s < 157; ++s) {
        SCOPED_TRACE(s);
        auto* chip = Find<Picture>(QStringLiteral("imgChip(%1)").arg(s));
        auto* label = Find<QLabel>(QStringLiteral("lblChip(%1)").arg(s));
        ASSERT_NE(chip, nullptr);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(chip->size(), QSize(Px(270), Px(225)));
        EXPECT_EQ(label->size(), QSize(Px(225), Px(135)));
    }
    EXPECT_EQ(Find("imgChip(157)"), nullptr);
    EXPECT_EQ(Find("lblChip(157)"), nullptr);
    EXPECT_EQ(Find("imgChipColour(8)"), nullptr);
}

TEST_F(BoardTest, WindowIsTheFixedGreenTableCalledVelmora) {
    EXPECT_EQ(board.windowTitle(), "Velmora");
    EXPECT_EQ(board.size(), QSize(632, 445));
    EXPECT_EQ(board.minimumSize(), board.maximumSize());
    EXPECT_EQ(board.palette().color(QPalette::Window), QColor(0x00, 0x80, 0x00));
}

TEST_F(BoardTest, SpinTimerIsSetUpButStopped) {
    auto* timer = board.findChild<QTimer*>("tmrDelay");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 24);
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(BoardTest, ResultBoxesAreDisplaysOnly) {
    for (const char* name :
         {"txtWinSpin", "txtBetValue", "txtWinTotal", "txtLastNumber(0)", "txtLastNumber(13)"}) {
        SCOPED_TRACE(name);
        auto* box = Find<QLineEdit>(name);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    }
}
