// The window as it comes up: where the controls lie, what the boxes show
// before the first press, and the wheel icon built into the program at every
// size the launcher uses.
#include "PlayerPresses.h"

#include "window/common/AppIcon.h"

#include <QPixmap>

namespace {

struct Place {
    const char* name;
    int left, top, width, height; // twips
};

// Corners of the window and one member of each kind of control.
constexpr Place kPlaces[] = {
    {"imgBoard", 0, 0, 3015, 6315},
    {"imgWheel", 3480, 480, 5625, 5670},
    {"cmdSpin", 4080, 600, 735, 375},
    {"cmdHelp", 7200, 240, 600, 230},
    {"lblChipColour(7)", 3480, 840, 450, 195},
    {"lblTable10", 3240, 3360, 270, 195},
    {"txtLastNumber(13)", 8880, 3240, 495, 285},
    {"cmbNumber", 7920, 840, 615, 315},
};

} // namespace

using LayoutTest = PlayerTest;

TEST_F(LayoutTest, ControlsLieWhereTheTableHasThem) {
    EXPECT_EQ(board.size(), QSize(632, 445));
    for (const Place& place : kPlaces) {
        EXPECT_EQ(Find(place.name)->geometry(),
                  PxRect(place.left, place.top, place.width, place.height))
            << place.name;
    }
}

TEST_F(LayoutTest, TheTableStartsEmptyWithFiveDollarsSelected) {
    for (const char* box : {"txtWinSpin", "txtBetValue", "txtWinTotal", "txtLastNumber(0)"}) {
        auto* edit = Find<QLineEdit>(box);
        EXPECT_EQ(edit->text(), "") << box;
        EXPECT_TRUE(edit->isReadOnly()) << box;
        EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus) << box;
    }
    // The lists are the numbers 0 to 36 and the counts 1 to 6.
    EXPECT_EQ(Find<QComboBox>("cmbNumber")->currentText(), "");
    EXPECT_EQ(Find<QComboBox>("cmbNumber")->itemText(36), "36");
    EXPECT_EQ(Find<QComboBox>("cmbNeighb")->currentText(), "2");
    EXPECT_EQ(Find<QComboBox>("cmbNeighb")->itemText(5), "6");
    EXPECT_EQ(TextColour(Find("lblChipColour(2)")), Qt::black);
    EXPECT_EQ(TextColour(Find("lblTable5")), Qt::black);
}

TEST(AppIconTest, EverySizeIsItsOwnDrawingOfARoundWheel) {
    const QList<QSize> sizes = {{16, 16}, {24, 24},   {32, 32},  {48, 48},
                                {64, 64}, {128, 128}, {256, 256}};
    const QIcon icon = AppIcon();
    for (const QSize size : sizes) {
        const QImage image = icon.pixmap(size).toImage();
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size.width(); // round, not square
        EXPECT_EQ(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255) << size.width();
    }
    // An image that failed to load is dropped, and a larger one scaled down in its place.
    EXPECT_EQ(icon.availableSizes(), sizes);
}
