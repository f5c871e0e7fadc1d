// Every caption is readable whole in its control, at the sizes of the layout.
#include "BoardFixture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace {

struct FontCase {
    const char* name;
    int pixelSize; // the layout's point size at 96 dpi
    bool bold;
};

// Small Fonts 6.75 pt = 9 px; MS Sans Serif 9.75 pt bold = 13 px.
const std::vector<FontCase> kFonts = {
    {"cmdGrande", 9, false},        {"cmdQtr2", 9, false},     {"cmdHelp", 9, false},
    {"Label1", 13, true},           {"Label2", 13, true},      {"Label3", 13, true},
    {"txtWinSpin", 13, true},       {"txtBetValue", 13, true}, {"txtWinTotal", 13, true},
    {"txtLastNumber(0)", 13, true}, {"lblChip(0)", 8, false},
};

// The room a caption has: a label's whole width, a button's inside its border.
int Room(const QWidget& w) {
    return qobject_cast<const QPushButton*>(&w) ? w.width() - 2 : w.width();
}

QString Text(const QWidget& w) {
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        return button->text();
    }
    return qobject_cast<const QLabel*>(&w)->text();
}

} // namespace

TEST_F(BoardTest, FontsHaveTheLayoutSizes) {
    for (const FontCase& c : kFonts) {
        SCOPED_TRACE(c.name);
        QWidget* w = Find(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(QFontInfo(w->font()).pixelSize(), c.pixelSize);
        EXPECT_EQ(w->font().bold(), c.bold);
    }
}

TEST_F(BoardTest, EveryCaptionFitsItsControl) {
    int checked = 0;
    for (QWidget* w : board.findChildren<QWidget*>()) {
        const bool captioned = qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w);
        if (!captioned || Text(*w).isEmpty()) {
            continue;
        }
        SCOPED_TRACE(w->objectName().toStdString());
        const QFontMetrics metrics(w->font());
        EXPECT_LE(metrics.horizontalAdvance(Text(*w)), Room(*w));
        EXPECT_LE(metrics.height(), w->height());
        ++checked;
    }
    EXPECT_EQ(checked, 21 + 11 + 8); // buttons, labels, chip captions
}

TEST_F(BoardTest, FourDigitStakeFitsItsChipAtTheSmallerSize) {
    ShowStake(151, 1000, 7);
    auto* label = Find<QLabel>("lblChip(151)");
    ASSERT_EQ(label->text(), "1000");
    EXPECT_EQ(QFontInfo(label->font()).pixelSize(), 7); // 5 pt
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
    EXPECT_LE(metrics.height(), label->height());
}

TEST_F(BoardTest, ResultBoxHoldsALargeSignedTotal) {
    auto* box = Find<QLineEdit>("txtWinSpin"); // the narrowest of them
    const QFontMetrics metrics(box->font());
    EXPECT_LE(metrics.horizontalAdvance("-99999"), box->width() - 6);
    EXPECT_LE(metrics.height(), box->height() - 2);
}
