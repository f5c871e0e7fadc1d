#include "table/GameState.h"
#include "table/Money.h"
#include "table/NumberText.h"
#include "table/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class CountingRandomSource final : public RandomSource {
  public:
    void SeedFromClock() override { ++seeds; }
    float Next() override { return value; }
    int seeds = 0;
    float value = 0.0F;
};

TEST(TableStateTest, StartTableLeavesTheFirstPlayableState) {
    GameState state;
    state.Balance = 40;
    state.BetTotal = 40;
    state.SpotStake.at(153) = 40;
    state.ChipIndex = 7;
    state.TableIndex = 0;
    state.BallDirection = -1;
    CountingRandomSource random;

    StartTable(state, random);

    EXPECT_EQ(state.Balance, 0);
    EXPECT_EQ(state.BetTotal, 0);
    EXPECT_EQ(StakeSum(state), 0);
    EXPECT_EQ(state.ChipIndex, 2);
    EXPECT_EQ(state.catalogue.ChipValue.at(state.ChipIndex), 5);
    EXPECT_EQ(state.TableIndex, 2);
    EXPECT_EQ(state.BallDirection, 1);
    EXPECT_EQ(random.seeds, 1);
    EXPECT_FALSE(state.TotalsShown);
    EXPECT_EQ(state.catalogue.SpotPayout.at(0), 35) << "catalogue filled";
    EXPECT_EQ(state.limits.SpotMaxBet.at(2).at(156), 2000) << "limits filled";
}

struct PocketDraw {
    float r;
    std::int16_t pocket;
};

TEST(TableStateTest, DrawPocketMapsTheUnitIntervalOntoAllPockets) {
    const std::vector<PocketDraw> draws = {
        {0.0F, 0},
        {1.0F / 37.0F, 1},
        {0.5F, 18},
        {36.0F / 37.0F, 36},
        {std::nextafter(1.0F, 0.0F), 36},
        {1.0F, 36}, // a generator that rounds up must not give pocket 37
        {std::numeric_limits<float>::quiet_NaN(), 0},
        {-0.25F, 0},
        {7.5F, 36},
    };
    CountingRandomSource random;
    for (const PocketDraw& draw : draws) {
        random.value = draw.r;
        EXPECT_EQ(DrawPocket(random), draw.pocket) << "r = " << draw.r;
    }
}

TEST(TableStateTest, ClockSourceStaysInsideTheUnitInterval) {
    ClockRandomSource random;
    random.SeedFromClock();
    for (int i = 0; i < 100000; ++i) {
        const float r = random.Next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LE(r, 1.0F);
        const std::int16_t pocket = DrawPocket(random);
        ASSERT_GE(pocket, 0);
        ASSERT_LT(pocket, kPocketCount);
    }
}

TEST(TableStateTest, MoneyArithmeticThrowsInsteadOfWrapping) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(CheckedAdd(kMax - 1, 1), kMax);
    EXPECT_THROW(CheckedAdd(kMax, 1), MoneyOverflow);
    EXPECT_EQ(CheckedSub(kMin + 5, 5), kMin);
    EXPECT_THROW(CheckedSub(kMin, 5), MoneyOverflow);
    EXPECT_EQ(CheckedMul16(35, 200), 7000);
    EXPECT_THROW(CheckedMul16(35, 1000), MoneyOverflow);
    EXPECT_THROW(CheckedAdd16(32000, 1000), MoneyOverflow);
}

struct FormRow {
    std::int64_t value;
    const char* signedForm;
    const char* plainForm;
};

TEST(TableStateTest, SignedFormLeadsWithABlankOrAMinus) {
    const std::vector<FormRow> rows = {
        {0, " 0", "0"},
        {25, " 25", "25"},
        {-25, "-25", "-25"},
        {1000, " 1000", "1000"},
        {-2147483648LL, "-2147483648", "-2147483648"},
    };
    for (const FormRow& row : rows) {
        EXPECT_EQ(SignedForm(row.value), row.signedForm);
        EXPECT_EQ(PlainForm(row.value), row.plainForm);
    }
}

} // namespace
