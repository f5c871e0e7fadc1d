// The wheel picture and the ball: at the resting radius the ball's centre
// falls in the middle of each pocket, on that pocket's colour.
#include "BoardFixture.h"

#include "window/Picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// The number in each wheel pocket, pocket 0 at the top and clockwise.
constexpr std::array<int, 37> kPocketNumber = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                               36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                               31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};
constexpr std::array<int, 18> kRed = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                      19, 21, 23, 25, 27, 30, 32, 34, 36};

enum class Colour { Green, Red, Black, Other };

Colour Expected(int number) {
    if (number == 0) {
        return Colour::Green;
    }
    return std::find(kRed.begin(), kRed.end(), number) != kRed.end() ? Colour::Red : Colour::Black;
}

Colour Classify(QColor c) {
    if (c.green() > 120 && c.red() < 60 && c.blue() < 60) {
        return Colour::Green;
    }
    if (c.red() > 150 && c.green() < 60 && c.blue() < 60) {
        return Colour::Red;
    }
    if (c.red() < 50 && c.green() < 50 && c.blue() < 50) {
        return Colour::Black;
    }
    return Colour::Other;
}

// Where the ball's centre lies in the wheel picture for a pocket at radius
// 1300 twips: around pixel (183.5, 183.5), angle (360/37)(p - 9) - 2.3 degrees.
QPointF BallCentre(int pocket, double offsetDegrees) {
    const double degrees = 360.0 / 37.0 * (pocket - 9) - 2.3 + offsetDegrees;
    const double radians = degrees * 3.14159 / 180.0;
    const double radius = 1300.0 / 15.0;
    return {183.5 + radius * std::cos(radians), 183.5 + radius * std::sin(radians)};
}

QColor Sample(const QImage& image, QPointF at) {
    return image.pixelColor(static_cast<int>(std::floor(at.x())),
                            static_cast<int>(std::floor(at.y())));
}

} // namespace

// A third of a pocket either side of the ball's path still lies in the same
// pocket, and the next pocket round has another colour.
TEST_F(BoardTest, BallPathFallsMidPocketOnEveryPocket) {
    const QImage wheel = Find<Picture>("imgWheel")->grab().toImage();
    ASSERT_EQ(wheel.size(), QSize(375, 378));
    const double third = 360.0 / 37.0 / 3.0;
    for (int pocket = 0; pocket < 37; ++pocket) {
        SCOPED_TRACE(pocket);
        const Colour colour = Expected(kPocketNumber.at(pocket));
        EXPECT_EQ(Classify(Sample(wheel, BallCentre(pocket, 0.0))), colour);
        EXPECT_EQ(Classify(Sample(wheel, BallCentre(pocket, -third))), colour);
        EXPECT_EQ(Classify(Sample(wheel, BallCentre(pocket, third))), colour);
        EXPECT_NE(Classify(Sample(wheel, BallCentre(pocket, 3 * third))), colour);
    }
}

struct BallCase {
    int pocket;
    int left, top; // the ball's top-left at radius 1300, twips to the nearest
};

TEST_F(BoardTest, BallIsDrawnWhereTheStateSaysIt) {
    const std::vector<BallCase> cases = {
        {0, 6123, 1820}, {9, 7419, 3068}, {18, 6227, 4416}, {27, 4830, 3282}};
    for (const BallCase& c : cases) {
        SCOPED_TRACE(c.pocket);
        GameState& state = board.stateForTest();
        state.BallLeft = static_cast<float>(c.left);
        state.BallTop = static_cast<float>(c.top);
        state.BallShown = true;
        board.RedrawBall();
        const QWidget* ball = Find("shpBall");
        EXPECT_EQ(ball->geometry(), QRect(Px(c.left), Px(c.top), 15, 15));
        EXPECT_TRUE(ball->isVisible());
        EXPECT_EQ(Grab().pixelColor(ball->geometry().center()), QColor(Qt::white));
    }
}

TEST_F(BoardTest, HiddenBallIsNotDrawn) {
    board.stateForTest().BallShown = false;
    board.RedrawBall();
    EXPECT_FALSE(Find("shpBall")->isVisible());
}

TEST_F(BoardTest, ZeroPocketIsGreenAtTheTopOfTheWheel) {
    const QImage wheel = Find<Picture>("imgWheel")->grab().toImage();
    EXPECT_EQ(Classify(wheel.pixelColor(183, 183 - 90)), Colour::Green);
    EXPECT_EQ(wheel.pixelColor(3, 3), QColor(0x00, 0x80, 0x00)); // table green outside
}
