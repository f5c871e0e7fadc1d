#include "TestTable.h"

#include "betting/AnnouncedBets.h"
#include "betting/TableSession.h"
#include "wheel/Settlement.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

using namespace table;
using namespace chip;

// Each action as the window runs it: the layout kept before, journalled after.
void Act(GameState& state, StakeJournal& journal, const std::function<void()>& action) {
    const StakeSnapshot before = TakeSnapshot(state);
    action();
    journal.Record(before, state);
}

// Undo goes back one action at a time, each to exactly the layout before it,
// whatever chip and table the player has chosen since.
TEST(StakeJournal, UndoRestoresTheLayoutBeforeEachActionInTurn) {
    GameState state = StartedTable();
    StakeJournal journal;
    std::vector<StakeSnapshot> before;
    const auto step = [&](const std::function<void()>& action) {
        before.push_back(TakeSnapshot(state));
        Act(state, journal, action);
    };
    step([&] { Stake(state, 44, kFive, k100); });
    step([&] { Stake(state, 44, kFive, k100); });
    step([&] { // stops at 44, now above the split's maximum, keeping 27
        const AnnouncedPress press = PressAnnounced(state, AnnouncedBet::Tier, "", "", kLeftButton);
        ASSERT_TRUE(press.refusal.has_value());
        ASSERT_EQ(press.changed, std::vector<std::int16_t>{27});
    });
    step([&] { ClearStakes(state); });
    SelectChip(state, k1);
    Act(state, journal, [&] { UpdateChip(state, 7, kLeftButton); }); // refused: no step
    SelectTable(state, kTen);
    for (auto it = before.rbegin(); it != before.rend(); ++it) {
        ASSERT_TRUE(journal.Undo(state));
        EXPECT_TRUE(TakeSnapshot(state) == *it) << before.rend() - it;
        EXPECT_EQ(state.Balance + state.BetTotal, 0);
    }
    EXPECT_FALSE(journal.CanUndo());
    EXPECT_FALSE(journal.Undo(state));
    EXPECT_EQ(state.TableIndex, kTen);
    EXPECT_EQ(state.ChipIndex, k1);
}

TEST(StakeJournal, NothingIsUndoneWhileTheBallRunsNorAcrossASpin) {
    GameState state = StartedTable();
    TableSession session;
    Act(state, session.journal, [&] { Stake(state, 7, kFive, k5); });
    state.Spinning = true;
    EXPECT_FALSE(session.journal.Undo(state));
    EXPECT_EQ(state.SpotStake.at(7), 5);
    BeginSpin(session, state);
    EXPECT_FALSE(session.journal.CanUndo());
    EXPECT_EQ(session.lastSpin.at(7), 5);
}

// Statistics of real spins: the net must be what Balance plus Bet moved by,
// and the groups are counted from independent statements of them.
TEST(SessionStatistics, FollowsEverySettledSpin) {
    GameState state = StartedTable();
    TableSession session;
    const std::vector<std::int16_t> numbers = {17, 0, 17, 32, 20, 17, 36, 5};
    std::int32_t staked = 0;
    for (const std::int16_t number : numbers) {
        Stake(state, StraightUpSpot(17), kFive, k5); // adds 5 each spin
        Stake(state, kRedSpot, kFive, k10);
        staked += state.BetTotal;
        BeginSpin(session, state);
        state.WinPocket =
            static_cast<std::int16_t>(std::find(state.catalogue.WheelPocket[0].begin(),
                                                state.catalogue.WheelPocket[0].end(), number) -
                                      state.catalogue.WheelPocket[0].begin());
        const Settlement settled = CalcWin(state);
        EndSpin(session, state, settled.ResultNumber, settled.SpinWin);
        EXPECT_EQ(session.statistics.Balances().back(), state.Balance);
    }
    const SessionStatistics& s = session.statistics;
    EXPECT_EQ(s.Spins(), 8);
    EXPECT_EQ(s.Staked(), staked);
    EXPECT_EQ(s.Net(), state.Balance + state.BetTotal);
    EXPECT_EQ(s.Hottest(), (std::vector<std::int16_t>{17, 0, 5, 20, 32}));
    EXPECT_EQ(s.Coldest(3), (std::vector<std::int16_t>{1, 2, 3}));
    const std::set<int> red = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    const std::vector<std::pair<const char*, std::function<bool(int)>>> groups = {
        {"Red", [&](int n) { return red.count(n) == 1; }},
        {"Black", [&](int n) { return n > 0 && red.count(n) == 0; }},
        {"Zero", [](int n) { return n == 0; }},
        {"1st dozen", [](int n) { return n >= 1 && n <= 12; }},
        {"2nd dozen", [](int n) { return n >= 13 && n <= 24; }},
        {"3rd dozen", [](int n) { return n >= 25; }},
        {"Column 1", [](int n) { return n > 0 && n % 3 == 1; }},
        {"Column 2", [](int n) { return n > 0 && n % 3 == 2; }},
        {"Column 3", [](int n) { return n > 0 && n % 3 == 0; }},
        {"Low 1-18", [](int n) { return n >= 1 && n <= 18; }},
        {"High 19-36", [](int n) { return n >= 19; }},
        {"Even", [](int n) { return n > 0 && n % 2 == 0; }},
        {"Odd", [](int n) { return n % 2 == 1; }},
    };
    const std::vector<GroupShare> shares = s.Groups();
    ASSERT_EQ(shares.size(), groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        SCOPED_TRACE(groups[g].first);
        int expected = 0;
        int members = 0;
        for (int n = 0; n < kNumberCount; ++n) {
            members += groups[g].second(n) ? 1 : 0;
        }
        for (const std::int16_t n : numbers) {
            expected += groups[g].second(n) ? 1 : 0;
        }
        EXPECT_EQ(shares[g].name, groups[g].first);
        EXPECT_EQ(shares[g].count, expected);
        EXPECT_DOUBLE_EQ(shares[g].share, expected / 8.0);
        EXPECT_DOUBLE_EQ(shares[g].expected, members / 37.0);
    }
}

} // namespace
