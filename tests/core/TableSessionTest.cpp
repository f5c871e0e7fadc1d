// The statistics of the spins of a session.
#include "TestTable.h"
#include "core/LayoutOracle.h"

#include "betting/TableSession.h"
#include "wheel/Settlement.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace table;
using namespace chip;

// Statistics of real spins: the net must be what Balance plus Bet moved by.
TEST(SessionStatistics, FollowsEverySettledSpin) {
    GameState state = StartedTable();
    TableSession session;
    std::int32_t staked = 0;
    for (const std::int16_t number :
         std::initializer_list<std::int16_t>{17, 0, 17, 32, 20, 17, 36, 5}) {
        Stake(state, StraightUpSpot(17), kFive, k5); // adds 5 each spin
        Stake(state, kRedSpot, kFive, k10);
        staked += state.BetTotal;
        BeginSpin(session, state);
        state.WinPocket = static_cast<std::int16_t>(oracle::PocketOf(number));
        const Settlement settled = CalcWin(state);
        EndSpin(session, state, settled.ResultNumber, settled.SpinWin);
        EXPECT_EQ(session.statistics.Balances().back(), state.Balance);
    }
    const SessionStatistics& s = session.statistics;
    EXPECT_EQ(s.Staked(), staked);
    EXPECT_EQ(s.Net(), state.Balance + state.BetTotal);
    EXPECT_EQ(s.Hottest(), (std::vector<std::int16_t>{17, 0, 5, 20, 32}));
    EXPECT_EQ(s.Coldest(3), (std::vector<std::int16_t>{1, 2, 3}));
    // Counted by hand from the eight numbers; members of each group out of 37.
    const std::vector<std::tuple<const char*, int, int>> groups = {
        {"Red", 3, 18},       {"Black", 4, 18},     {"Zero", 1, 1},        {"1st dozen", 1, 12},
        {"2nd dozen", 4, 12}, {"3rd dozen", 2, 12}, {"Column 1", 0, 12},   {"Column 2", 6, 12},
        {"Column 3", 1, 12},  {"Low 1-18", 4, 18},  {"High 19-36", 3, 18}, {"Even", 3, 18},
        {"Odd", 4, 18}};
    ASSERT_EQ(s.Groups().size(), groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const auto& [name, count, members] = groups[g];
        EXPECT_EQ(s.Groups()[g].name, name);
        EXPECT_EQ(s.Groups()[g].count, count) << name;
        EXPECT_DOUBLE_EQ(s.Groups()[g].share, count / 8.0) << name;
        EXPECT_DOUBLE_EQ(s.Groups()[g].expected, members / 37.0) << name;
    }
}

} // namespace
