#include "TestTable.h"

#include "betting/AnnouncedBets.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Spots = std::vector<std::int16_t>;

// Money never leaves the table: what the stakes hold came out of the balance.
void ExpectMoneyKept(const GameState& state) {
    EXPECT_EQ(state.BetTotal, StakeSum(state));
    EXPECT_EQ(state.Balance + state.BetTotal, 0);
}

TEST(PressAnnounced, GrandePlacesNineChipsInOrder) {
    GameState state = StartedTable();
    const AnnouncedPress press = PressAnnounced(state, AnnouncedBet::Grande, "", "2", kLeftButton);
    EXPECT_EQ(press.changed, (Spots{4, 4, 25, 53, 77, 85, 110, 110, 135}));
    EXPECT_FALSE(press.refusal.has_value());
    for (const int spot : {25, 53, 77, 85, 135}) {
        EXPECT_EQ(state.SpotStake[spot], 5) << spot;
    }
    EXPECT_EQ(state.SpotStake[4], 10);
    EXPECT_EQ(state.SpotStake[110], 10);
    EXPECT_EQ(StakeSum(state), 45);
    ExpectMoneyKept(state);
}

TEST(PressAnnounced, ThirdTierChipRefusedLeavesFirstTwoOnly) {
    GameState state = StartedTable();
    Stake(state, 61, table::kFive, chip::k100, 2); // split 13/16 at its maximum of 200
    SelectChip(state, chip::k5);
    const AnnouncedPress press = PressAnnounced(state, AnnouncedBet::Tier, "", "2", kLeftButton);
    EXPECT_EQ(press.changed, (Spots{27, 44}));
    EXPECT_EQ(press.refusal, (Refusal{RefusalKind::Maximum, 200}));
    EXPECT_FALSE(state.BetAccepted);
    EXPECT_EQ(state.SpotStake[27], 5);
    EXPECT_EQ(state.SpotStake[44], 5);
    EXPECT_EQ(state.SpotStake[61], 200);
    for (const int spot : {94, 113, 137}) {
        EXPECT_EQ(state.SpotStake[spot], 0) << spot;
    }
    ExpectMoneyKept(state);
}

TEST(PressAnnounced, RefusedFirstChipLeavesLayoutUnchanged) {
    GameState state = StartedTable();
    SelectChip(state, chip::k1);
    const AnnouncedPress press = PressAnnounced(state, AnnouncedBet::Orphns, "", "2", kLeftButton);
    EXPECT_TRUE(press.changed.empty());
    EXPECT_EQ(press.refusal, (Refusal{RefusalKind::Multiple, 5}));
    EXPECT_EQ(StakeSum(state), 0);
    EXPECT_FALSE(state.TotalsShown);
}

TEST(PressAnnounced, NeighboursStopAtFirstRefusedNeighbour) {
    GameState state = StartedTable();
    Stake(state, 129, table::kFive, chip::k100); // straight 32 at its maximum
    SelectChip(state, chip::k5);
    const AnnouncedPress press = PressAnnounced(state, AnnouncedBet::Neighb, "0", "2", kLeftButton);
    EXPECT_EQ(press.changed, (Spots{0}));
    EXPECT_EQ(press.refusal, (Refusal{RefusalKind::Maximum, 100}));
    for (const int spot : {105, 59, 11}) {
        EXPECT_EQ(state.SpotStake[spot], 0) << spot;
    }
}

TEST(PressAnnounced, OppositeSectorStopsAtFirstRefusal) {
    GameState state = StartedTable();
    Stake(state, 43, table::kFive, chip::k100); // straight 10 at its maximum
    SelectChip(state, chip::k5);
    const AnnouncedPress press = PressAnnounced(state, AnnouncedBet::Oppos, "0", "2", kLeftButton);
    EXPECT_EQ(press.changed, (Spots{93}));
    EXPECT_TRUE(press.refusal.has_value());
    EXPECT_EQ(state.SpotStake[21], 0);
    EXPECT_EQ(state.SpotStake[95], 0);
}

TEST(PressAnnounced, SharedSpotsOfTwoPressesTakeTwoChips) {
    GameState state = StartedTable();
    PressAnnounced(state, AnnouncedBet::Zero, "", "2", kLeftButton);
    PressAnnounced(state, AnnouncedBet::Grande, "", "2", kLeftButton);
    PressAnnounced(state, AnnouncedBet::Birds, "", "2", kLeftButton);
    PressAnnounced(state, AnnouncedBet::Blacks, "", "2", kLeftButton);
    EXPECT_EQ(state.SpotStake[53], 10);
    EXPECT_EQ(state.SpotStake[135], 10);
    EXPECT_EQ(state.SpotStake[39], 10);
    ExpectMoneyKept(state);
}

TEST(PressAnnounced, RightButtonTakesOffEachListedChip) {
    GameState state = StartedTable();
    PressAnnounced(state, AnnouncedBet::Grande, "", "2", kLeftButton);
    const AnnouncedPress press = PressAnnounced(state, AnnouncedBet::Grande, "", "2", kRightButton);
    EXPECT_EQ(press.changed, (Spots{4, 4, 25, 53, 77, 85, 110, 110, 135}));
    EXPECT_EQ(StakeSum(state), 0);
    ExpectMoneyKept(state);
}

TEST(PressAnnounced, RightButtonRemovesTwiceFromSpotListedTwice) {
    GameState state = StartedTable();
    Stake(state, 4, table::kFive, chip::k5, 3);
    PressAnnounced(state, AnnouncedBet::Grande, "", "2", kRightButton);
    EXPECT_EQ(state.SpotStake[4], 5);
    EXPECT_TRUE(state.BetAccepted);
    EXPECT_EQ(StakeSum(state), 5);
    ExpectMoneyKept(state);
}

TEST(PressAnnounced, RightButtonOnEmptyLayoutPlacesNothing) {
    GameState state = StartedTable();
    PressAnnounced(state, AnnouncedBet::Neighb, "17", "6", kRightButton);
    EXPECT_EQ(StakeSum(state), 0);
    EXPECT_TRUE(state.BetAccepted);
    ExpectMoneyKept(state);
}

// The sector bets mark the press accepted before their first chip; with no
// chip to place that is all they do.
TEST(PressAnnounced, SectorWithoutChipsStillClearsEarlierRefusal) {
    GameState state = StartedTable();
    state.BetAccepted = false;
    const AnnouncedPress press =
        PressAnnounced(state, AnnouncedBet::QtrMinus, "4", "0", kLeftButton);
    EXPECT_TRUE(press.changed.empty());
    EXPECT_FALSE(press.refusal.has_value());
    EXPECT_TRUE(state.BetAccepted);
}

TEST(PressAnnounced, TextsNamingNothingPlaceNothing) {
    struct Case {
        AnnouncedBet bet;
        const char* cover;
        const char* neighb;
    };
    const std::vector<Case> cases = {
        {AnnouncedBet::Neighb, "37", "2"},    {AnnouncedBet::Neighb, "5", "40000"},
        {AnnouncedBet::Oppos, "-1", "2"},     {AnnouncedBet::QtrPlus, "5", "11"},
        {AnnouncedBet::Finals, "-3", "2"},    {AnnouncedBet::Figure, "37", "2"},
        {AnnouncedBet::Figure, "99999", "2"},
    };
    for (const Case& c : cases) {
        GameState state = StartedTable();
        const AnnouncedPress press = PressAnnounced(state, c.bet, c.cover, c.neighb, kLeftButton);
        EXPECT_TRUE(press.changed.empty()) << c.cover << " / " << c.neighb;
        EXPECT_EQ(StakeSum(state), 0);
        EXPECT_FALSE(state.TotalsShown);
    }
}

} // namespace
