// A long game at the level of the rules: a thousand spins, each with a chip on
// every spot, must keep the books straight and must not grow the heap.
#include "TestTable.h"

#include "table/RandomSource.h"
#include "wheel/Settlement.h"
#include "wheel/Spin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
// From the AddressSanitizer runtime; its header is not always installed.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

constexpr int kSpins = 1000;
constexpr int kWarmSpins = 100;
// Bytes the heap may differ by between spin 100 and spin 1000: room for the
// allocator's own bookkeeping, far below one byte per spin.
constexpr std::ptrdiff_t kHeapTolerance = 512;

// A seeded source, so the long game is the same on every run.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : m_engine(seed) {}
    void SeedFromClock() override {}
    float Next() override { return std::uniform_real_distribution<float>(0.0F, 1.0F)(m_engine); }

  private:
    std::mt19937 m_engine;
};

// Bytes in use on the heap. Under AddressSanitizer glibc's counters see none
// of the program's allocations, so the sanitizer's own count is read there.
std::ptrdiff_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<std::ptrdiff_t>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<std::ptrdiff_t>(mallinfo2().uordblks);
#endif
}

// Odds to one from how many numbers a spot covers: 36 / n - 1 (35 for a
// straight up, 1 for an even chance), worked out apart from the payout table.
std::int32_t ExpectedWin(const GameState& state, std::int16_t number) {
    std::int32_t win = 0;
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        const auto numbers = SpotNumbers(spot);
        if (std::find(numbers.begin(), numbers.end(), number) != numbers.end()) {
            win += state.SpotStake.at(spot) * (36 / static_cast<int>(numbers.size()) - 1);
        }
    }
    return win;
}

void FillLayout(GameState& state) {
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        if (state.SpotStake.at(spot) == 0) {
            Stake(state, spot, table::kOne, chip::k5);
        }
    }
}

// Runs the ball until it stops, as the timer would; the tick count stays
// within the shortest and longest spins a wheel of 37 pockets allows.
void RunBall(GameState& state, RandomSource& random) {
    StartSpin(state, random);
    int ticks = 1;
    while (!TickBall(state)) {
        ++ticks;
        ASSERT_LE(ticks, 147) << "the ball did not stop";
    }
    EXPECT_GE(ticks, 75);
    EXPECT_EQ(state.BallPocket, state.WinPocket);
}

void PlayOneSpin(GameState& state, RandomSource& random) {
    FillLayout(state);
    ASSERT_EQ(state.BetTotal, StakeSum(state));
    RunBall(state, random);
    const GameState before = state;
    const std::int16_t number = state.catalogue.WheelPocket.at(0).at(state.WinPocket);
    const std::int32_t expectedWin = ExpectedWin(before, number);

    const Settlement settled = CalcWin(state);

    ASSERT_EQ(settled.ResultNumber, number);
    ASSERT_EQ(settled.SpinWin, expectedWin);
    ASSERT_EQ(state.BetTotal, StakeSum(state));
    std::int32_t lost = 0;
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        const auto numbers = SpotNumbers(spot);
        const bool won = std::find(numbers.begin(), numbers.end(), number) != numbers.end();
        ASSERT_EQ(state.SpotStake.at(spot), won ? before.SpotStake.at(spot) : 0) << spot;
        lost += won ? 0 : before.SpotStake.at(spot);
    }
    // Settlement is the only place the table's money changes: by the win less the stakes lost.
    ASSERT_EQ(state.Balance + state.BetTotal,
              before.Balance + before.BetTotal + expectedWin - lost);
    ASSERT_EQ(state.LastWin, expectedWin);
    const std::string& newest = state.LastNumbers.front().text;
    ASSERT_EQ(newest.substr(newest.find_first_not_of(' ')), std::to_string(number));
}

TEST(LongGameTest, AThousandFullLayoutsKeepTheBooksAndTheHeapSteady) {
    GameState state = StartedTable();
    SeededRandom random(20240517);
    std::ptrdiff_t heapAfterWarmUp = 0;
    for (int spin = 1; spin <= kSpins; ++spin) {
        SCOPED_TRACE(spin);
        PlayOneSpin(state, random);
        if (HasFatalFailure()) {
            return;
        }
        if (spin == kWarmSpins) {
            heapAfterWarmUp = HeapInUse();
        }
    }
    const auto filled = std::count_if(state.LastNumbers.begin(), state.LastNumbers.end(),
                                      [](const HistoryEntry& e) { return !e.text.empty(); });
    EXPECT_EQ(filled, kHistoryCount);
    EXPECT_LE(HeapInUse() - heapAfterWarmUp, kHeapTolerance)
        << "the heap grew between spin " << kWarmSpins << " and spin " << kSpins;
}

} // namespace
