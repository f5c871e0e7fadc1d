// Colours sampled from the drawn window, over areas large enough to be solid.
#include "BoardFixture.h"

#include "window/Picture.h"

#include <vector>

namespace {

const QColor kGreen(0x00, 0x80, 0x00);

bool Reddish(QColor c) {
    return c.red() > c.green() + 60 && c.red() > c.blue() + 60;
}

bool Dark(QColor c) {
    return c.red() < 60 && c.green() < 60 && c.blue() < 60;
}

struct CellInk {
    int reddish = 0;
    int dark = 0;
    int green = 0;
};

// The ink inside one cell of the layout, the ruling left out.
CellInk InkIn(const QImage& image, QRect cell) {
    CellInk ink;
    const QRect inside = cell.adjusted(3, 3, -3, -3);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            ink.reddish += Reddish(c) ? 1 : 0;
            ink.dark += Dark(c) ? 1 : 0;
            ink.green += c == kGreen ? 1 : 0;
        }
    }
    return ink;
}

// Number n's cell of the layout: 600 x 450 twips, rows from 450 twips down.
QRect NumberCell(int n) {
    const int row = (n - 1) / 3;
    const int column = (n - 1) % 3;
    return PxRect(600 * column, 450 + 450 * row, 600, 450);
}

struct NumberCase {
    int number;
    bool red;
};
const std::vector<NumberCase> kNumbers = {{1, true},  {2, false},  {3, true},   {10, false},
                                          {12, true}, {19, true},  {20, false}, {29, false},
                                          {34, true}, {35, false}, {36, true}};

// Chip colours of the chip selector, chip 0..7.
const std::vector<QColor> kChipColours = {QColor(0xFF, 0xFF, 0xFF), QColor(0xC0, 0xC0, 0xC0),
                                          QColor(0x80, 0x00, 0x00), QColor(0x00, 0x00, 0xFF),
                                          QColor(0x00, 0xFF, 0x00), QColor(0x42, 0x42, 0x42),
                                          QColor(0x80, 0x80, 0x00), QColor(0x00, 0xFF, 0xFF)};

} // namespace

TEST_F(BoardTest, WindowIsTableGreen) {
    const QImage image = Grab();
    for (QPoint p : {QPoint(300, 438), QPoint(100, 435), QPoint(626, 300), QPoint(215, 300)}) {
        EXPECT_EQ(image.pixelColor(p), kGreen) << p.x() << "," << p.y();
    }
}

TEST_F(BoardTest, NumbersArePrintedDarkRedOrBlackOnGreen) {
    const QImage image = Grab();
    for (const NumberCase& c : kNumbers) {
        SCOPED_TRACE(c.number);
        const CellInk ink = InkIn(image, NumberCell(c.number));
        EXPECT_GT(ink.green, ink.reddish + ink.dark); // mostly table green
        EXPECT_GT(c.red ? ink.reddish : ink.dark, 10);
        EXPECT_EQ(c.red ? ink.dark : ink.reddish, 0);
    }
}

TEST_F(BoardTest, RedAndBlackBetsAreSolidCells) {
    const QImage image = Grab();
    const QRect red = PxRect(2400, 2250, 600, 900).adjusted(3, 3, -3, -3);
    const QRect black = PxRect(2400, 3150, 600, 900).adjusted(3, 3, -3, -3);
    for (QPoint p : {red.topLeft(), red.center(), red.bottomRight()}) {
        EXPECT_EQ(image.pixelColor(p), QColor(0xFF, 0x00, 0x00));
    }
    for (QPoint p : {black.topLeft(), black.center(), black.bottomRight()}) {
        EXPECT_EQ(image.pixelColor(p), QColor(0x00, 0x00, 0x00));
    }
}

TEST_F(BoardTest, EachSelectorChipShowsItsColour) {
    const QImage image = Grab();
    for (int i = 0; i < 8; ++i) {
        const QRect chip = PxRect(3120, 2520 - 240 * i, 270, 225);
        EXPECT_EQ(image.pixelColor(chip.center()), kChipColours.at(i)) << i;
        EXPECT_EQ(image.pixelColor(chip.center() + QPoint(4, 0)), kChipColours.at(i)) << i;
    }
}

TEST_F(BoardTest, ChipOnASpotShowsItsChipsColour) {
    for (std::int16_t chip = 0; chip < 8; ++chip) {
        ShowStake(40, 10, chip);
        const QImage image = Find<Picture>("imgChip(40)")->grab().toImage();
        EXPECT_EQ(image.pixelColor(3, 7), kChipColours.at(chip)) << chip; // clear of the label
    }
}

TEST_F(BoardTest, ResultBoxesAreGreenAndHistoryBoxesBlack) {
    const QImage image = Grab();
    for (const char* name : {"txtWinSpin", "txtBetValue", "txtWinTotal"}) {
        EXPECT_EQ(image.pixelColor(Find(name)->geometry().center()), kGreen) << name;
    }
    for (int i = 0; i < 14; ++i) {
        const QWidget* box = Find(QStringLiteral("txtLastNumber(%1)").arg(i));
        EXPECT_EQ(image.pixelColor(box->geometry().center()), QColor(Qt::black)) << i;
    }
}

TEST_F(BoardTest, BallIsWhiteOverTheWheel) {
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(Find("shpBall")->geometry().center()), QColor(Qt::white));
}
