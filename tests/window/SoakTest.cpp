// Random play through the real window, the books checked after every step.
// Seeded and repeatable (tools/soak.sh runs it long):
//   VELMORA_SOAK_SEED=7 VELMORA_SOAK_STEPS=100000 velmora_window_tests --gtest_filter='Soak*'
#include "PlayerPresses.h"
#include "core/LayoutOracle.h"

#include "window/common/Twips.h"

#include <QRegularExpression>

#include <cstdlib>
#include <random>

namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// The table's own draws follow the soak's seed, so a run can be repeated.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : m_engine(seed) {}
    void SeedFromClock() override {}
    float Next() override { return std::uniform_real_distribution<float>(0.0F, 1.0F)(m_engine); }

  private:
    std::mt19937_64 m_engine;
};

// Numbers, non-numbers, halves, 16-bit edges, Arabic-Indic digits, a long run of nines.
const QStringList kTexts =
    QStringLiteral("17|0|36|37|-5|2.5|3.5e1|65536|abc||+3|0x10| 17 |\u0661\u0667").split('|')
    << QString(300, '9');

const QRegularExpression kRefusal(
    "^(Bets must be in multiples of|Maximum bet allowed is|Minimum bet allowed is)  \\d+$");

class SoakTest : public ::testing::Test {
  protected:
    SoakTest()
        : m_seed(EnvNumber("VELMORA_SOAK_SEED", 1)), m_rng(m_seed),
          board(nullptr, std::make_unique<SeededRandom>(m_seed)) {
        board.show();
        board.findChild<QTimer*>("tmrDelay")->setInterval(60'000); // ticks stepped here
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_rng); }

    // A press anywhere but on the two boxes (their lists pop up) and on Exit and Help.
    void PressSomewhere() {
        const QPoint point(Pick(board.width()), Pick(board.height()));
        QWidget* target = board.childAt(point);
        if (!target || target->inherits("QComboBox") || target->parent()->inherits("QComboBox") ||
            target->objectName() == "cmdExit" || target->objectName() == "cmdHelp") {
            return;
        }
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        PressPoint(board, point, buttons[Pick(3)]);
    }

    void TypeSomething() {
        auto* box = board.findChild<QComboBox*>(Pick(2) ? "cmbNumber" : "cmbNeighb");
        box->setEditText(kTexts[Pick(static_cast<int>(kTexts.size()))]);
    }

    // Undo, rebet, clear and double, as their keys would.
    void TriggerAnAction() {
        const char* names[] = {"actUndo", "actRebet", "actClear", "actDouble"};
        ActionOf(board, names[Pick(4)])->trigger();
    }

    // Outside settlement money only moves between the Balance and the stakes.
    void CheckBetween(const GameState& before) {
        const GameState& now = board.state();
        ASSERT_EQ(now.Balance + now.BetTotal, before.Balance + before.BetTotal);
    }

    // Winners stay and are paid; everything else is lost.
    void CheckSettled(const GameState& before) {
        const GameState& now = board.state();
        const int number = oracle::NumberAt(now.WinPocket);
        std::int64_t win = 0;
        for (int s = 0; s < kSpotCount; ++s) {
            const bool covers = oracle::Covers(s, number);
            win += covers ? std::int64_t{before.SpotStake.at(s)} * oracle::Payout(s) : 0;
            ASSERT_EQ(now.SpotStake.at(s), covers ? before.SpotStake.at(s) : 0) << "spot " << s;
        }
        ASSERT_EQ(now.Balance, before.Balance + win);
    }

    // What the window shows agrees with the state.
    void CheckShown() {
        const GameState& now = board.state();
        ASSERT_EQ(now.BetTotal, StakeSum(now));
        for (int s = 0; s < kSpotCount; ++s) {
            const bool staked = now.SpotStake.at(s) > 0;
            ASSERT_EQ(board.findChild<QWidget*>(ArrayName("imgChip", s))->isVisible(), staked) << s;
            ASSERT_EQ(board.findChild<QWidget*>(ArrayName("lblChip", s))->isVisible(), staked) << s;
        }
        ASSERT_EQ(board.findChild<QLineEdit*>("txtBetValue")->text().trimmed().toInt(),
                  now.BetTotal);
    }

    std::uint64_t m_seed;
    std::mt19937_64 m_rng;
    frmBoard board;
};

TEST_F(SoakTest, RandomPlayKeepsTheBooks) {
    BoxLog boxes;
    const auto steps = EnvNumber("VELMORA_SOAK_STEPS", 1500);
    for (std::uint64_t step = 0; step < steps; ++step) {
        SCOPED_TRACE(testing::Message() << "seed " << m_seed << " step " << step);
        const GameState before = board.state();
        const int roll = Pick(20);
        (roll < 2 ? TypeSomething() : (roll < 4 ? TriggerAnAction() : PressSomewhere()));
        CheckBetween(before);
        if (board.state().Spinning) {
            const GameState started = board.state();
            while (board.state().Spinning) {
                board.tmrDelay_Timer();
            }
            CheckSettled(started);
        }
        CheckShown();
        for (const SeenBox& box : boxes.boxes()) {
            ASSERT_TRUE(kRefusal.match(box.text).hasMatch()) << box.text.toStdString();
        }
        boxes.clear();
    }
}

} // namespace
