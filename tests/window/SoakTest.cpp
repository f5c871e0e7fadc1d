// Random play through the real window: presses of every control at random
// points with random buttons, chips, tables, typed texts and spins, with the
// books checked after every step. Seeded and repeatable:
//   VELMORA_SOAK_SEED=7 VELMORA_SOAK_STEPS=100000 velmora_window_tests --gtest_filter='Soak*'
#include "SoakChecks.h"

#include "table/RandomSource.h"
#include "window/HelpViewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>
#include <string>

namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// The table's own draws come from the soak's seed too, so a run can be repeated.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : m_engine(seed) {}
    void SeedFromClock() override {}
    float Next() override { return std::uniform_real_distribution<float>(0.0F, 1.0F)(m_engine); }

  private:
    std::mt19937_64 m_engine;
};

// Answers every message box as it comes up: No to the Exit question, OK to
// the rest. A box that is not one the table may show is remembered.
class BoxAnswerer {
  public:
    BoxAnswerer() {
        m_poll.setInterval(1);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { Answer(); });
        m_poll.start();
    }
    int answered() const { return m_answered; }
    int exits() const { return m_exits; }
    const QString& unexpected() const { return m_unexpected; }

  private:
    void Answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        const QString text = box->text();
        const bool exit = text == QLatin1String("Do you really want to exit?");
        const bool refusal = text.startsWith(QLatin1String("Bets must be in multiples of  ")) ||
                             text.startsWith(QLatin1String("Maximum bet allowed is  ")) ||
                             text.startsWith(QLatin1String("Minimum bet allowed is  "));
        if (!exit && !refusal && m_unexpected.isEmpty()) {
            m_unexpected = text;
        }
        ++m_answered;
        m_exits += exit ? 1 : 0;
        box->button(exit ? QMessageBox::No : QMessageBox::Ok)->click();
    }

    QTimer m_poll;
    int m_answered = 0;
    int m_exits = 0;
    QString m_unexpected;
};

const std::array<QString, 22> kTypedTexts = {"17",
                                             "0",
                                             "36",
                                             "37",
                                             "-5",
                                             "-0",
                                             "2.5",
                                             "17.49",
                                             "3.5e1",
                                             "99999999999999999999",
                                             "65536",
                                             "2147483648",
                                             "abc",
                                             "",
                                             " 17 ",
                                             "+3",
                                             "0x10",
                                             "nan",
                                             QStringLiteral("\u0661\u0667"),
                                             QStringLiteral("\uFF11\uFF17"),
                                             QStringLiteral("17\u20AC"),
                                             QString(300, QLatin1Char('9'))};

class SoakTest : public ::testing::Test {
  protected:
    SoakTest()
        : m_seed(EnvNumber("VELMORA_SOAK_SEED", 1)), m_rng(m_seed),
          board(nullptr, std::make_unique<SeededRandom>(m_seed)) {
        board.show();
        m_timer = board.findChild<QTimer*>(QStringLiteral("tmrDelay"));
        m_timer->setInterval(1); // the same ticks, only quicker
        // Connected after the table's own handlers, so these run once they are done.
        QObject::connect(board.findChild<QPushButton*>(QStringLiteral("cmdSpin")),
                         &QPushButton::clicked, [this] { OnSpinStarted(); });
        QObject::connect(m_timer, &QTimer::timeout, [this] { OnTick(); });
        m_shadow.placedAt.fill(board.state().TableIndex);
    }
    ~SoakTest() override {
        if (HelpViewer* viewer = board.helpViewer()) {
            viewer->close();
        }
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_rng); }
    bool Chance(int percent) { return Pick(100) < percent; }

    Qt::MouseButton AnyButton() {
        static constexpr std::array<Qt::MouseButton, 3> kButtons = {Qt::LeftButton, Qt::RightButton,
                                                                    Qt::MiddleButton};
        return kButtons.at(static_cast<std::size_t>(Pick(3)));
    }

    // Presses whatever a player reaches at a window point, and lets go.
    void PressAt(QPoint point, Qt::MouseButton button) {
        QWidget* target = board.childAt(point);
        target = target ? target : &board;
        const QPoint local = target->mapFrom(&board, point);
        m_action << " press " << button << " at (" << point.x() << "," << point.y() << ") on "
                 << target->objectName().toStdString();
        QTest::mousePress(target, button, Qt::NoModifier, local);
        QTest::mouseRelease(target, button, Qt::NoModifier, local);
    }

    QPoint RandomPoint() { return {Pick(board.width()), Pick(board.height())}; }

    // A random point of one of the window's visible controls: small targets
    // such as the chips on the layout are rarely hit by a point of the window.
    QPoint PointInControl() {
        const auto controls = board.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (;;) {
            const QWidget* control = controls.at(Pick(static_cast<int>(controls.size())));
            if (control->isVisible()) {
                const QRect area = control->geometry();
                return area.topLeft() + QPoint(Pick(area.width()), Pick(area.height()));
            }
        }
    }

    void ClickNamed(const QString& name) {
        auto* control = board.findChild<QWidget*>(name);
        m_action << " click " << name.toStdString();
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    }

    void TypeInto(const char* name) {
        auto* combo = board.findChild<QComboBox*>(QLatin1String(name));
        const QString text = Chance(30) ? QString::number(Pick(60) - 10)
                                        : kTypedTexts.at(static_cast<std::size_t>(
                                              Pick(static_cast<int>(kTypedTexts.size()))));
        m_action << " type '" << text.toStdString() << "' into " << name;
        combo->lineEdit()->selectAll();
        QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
        // Key by key with the text attached: QTest's own typing knows ASCII only.
        for (const QChar character : text) {
            const auto key = character.unicode() < 128
                                 ? static_cast<Qt::Key>(character.toUpper().unicode())
                                 : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, combo->lineEdit(), key, QString(character),
                                Qt::NoModifier);
        }
        if (Chance(20)) {
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        }
    }

    void OnSpinStarted() {
        if (board.state().Spinning && !m_spinOpen) {
            m_spinOpen = true;
            m_stakesAtSpin = board.state().SpotStake;
            m_moneyAtSpin = Money();
        }
    }

    void OnTick() {
        if (m_spinOpen && !board.state().Spinning) {
            m_spinOpen = false;
            ++m_shadow.settlements;
        }
    }

    std::int64_t Money() const {
        return std::int64_t{board.state().Balance} + board.state().BetTotal;
    }

    void Act();
    void FinishSpin();
    void CheckStep(const std::array<std::int16_t, kSpotCount>& before, std::int64_t moneyBefore,
                   int settlementsBefore);

    std::uint64_t m_seed;
    std::mt19937_64 m_rng;
    frmBoard board;
    BoxAnswerer m_answerer;
    QTimer* m_timer = nullptr;
    SoakShadow m_shadow;
    bool m_spinOpen = false;
    std::array<std::int16_t, kSpotCount> m_stakesAtSpin{};
    std::int64_t m_moneyAtSpin = 0;
    std::ostringstream m_action;
};

void SoakTest::Act() {
    const int roll = Pick(100);
    if (roll < 35) {
        PressAt(RandomPoint(), AnyButton());
    } else if (roll < 70) {
        PressAt(PointInControl(), AnyButton());
    } else if (roll < 78) {
        ClickNamed(ArrayControl(Chance(50) ? "imgChipColour" : "lblChipColour", Pick(kChipCount)));
    } else if (roll < 83) {
        static const std::array<const char*, 4> kTables = {"lblTable1", "lblTable2", "lblTable5",
                                                           "lblTable10"};
        ClickNamed(QLatin1String(kTables.at(static_cast<std::size_t>(Pick(4)))));
    } else if (roll < 95) {
        TypeInto(Chance(50) ? "cmbNumber" : "cmbNeighb");
    } else {
        ClickNamed(QStringLiteral("cmdSpin"));
    }
    // A drop-down list opened by a press is closed again, as a player would.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

// The ball runs either on the timer or tick by tick from here, with presses
// thrown at the closed table between ticks; none of them may reach it.
void SoakTest::FinishSpin() {
    const bool onTimer = Chance(50);
    m_action << (onTimer ? " spin on the timer" : " spin tick by tick");
    QElapsedTimer clock;
    clock.start();
    while (board.state().Spinning && clock.elapsed() < 10'000) {
        if (Chance(25)) {
            PressAt(Chance(50) ? PointInControl() : RandomPoint(), AnyButton());
            ASSERT_TRUE(!board.state().Spinning || board.state().SpotStake == m_stakesAtSpin)
                << "a press reached the table during the spin";
        }
        if (onTimer) {
            QTest::qWait(1);
        } else {
            board.tmrDelay_Timer();
        }
    }
    ASSERT_FALSE(board.state().Spinning) << "the ball did not stop";
    OnTick(); // a stop driven from here never reached the timer's slot
}

void SoakTest::CheckStep(const std::array<std::int16_t, kSpotCount>& before,
                         std::int64_t moneyBefore, int settlementsBefore) {
    const GameState& state = board.state();
    const int settled = m_shadow.settlements - settlementsBefore;
    ASSERT_LE(settled, 1);
    if (settled == 0) {
        ASSERT_EQ(Money(), moneyBefore) << "Balance + BetTotal changed outside settlement";
    } else {
        // Money moves only at settlement: by the win less the stakes that lost.
        const std::int16_t number = state.catalogue.WheelPocket.at(0).at(state.WinPocket);
        const std::int32_t win = WinOf(m_stakesAtSpin, number);
        std::int32_t lost = 0;
        for (std::int16_t s = 0; s < kSpotCount; ++s) {
            const bool won = Covers(s, number);
            lost += won ? 0 : m_stakesAtSpin.at(s);
            ASSERT_EQ(state.SpotStake.at(s), won ? m_stakesAtSpin.at(s) : 0) << "spot " << s;
        }
        ASSERT_EQ(m_moneyAtSpin, moneyBefore);
        ASSERT_EQ(Money(), m_moneyAtSpin + win - lost);
        ASSERT_EQ(state.LastWin, win);
    }
    // A stake changed by a press was tested at the table selected now.
    for (int s = 0; s < kSpotCount; ++s) {
        if (settled == 0 && state.SpotStake.at(s) != before.at(s)) {
            m_shadow.placedAt.at(s) = state.TableIndex;
        }
    }
    ASSERT_TRUE(TableIsIdle(board));
    ASSERT_TRUE(TotalsAgree(board));
    ASSERT_TRUE(StakesAreSound(board, m_shadow));
    ASSERT_TRUE(HistoryAgrees(board, m_shadow.settlements));
    ASSERT_TRUE(m_answerer.unexpected().isEmpty())
        << "unexpected message: " << m_answerer.unexpected().toStdString();
}

TEST_F(SoakTest, RandomPlayKeepsTheBooksStraight) {
    const std::uint64_t steps = EnvNumber("VELMORA_SOAK_STEPS", 1500);
    for (std::uint64_t step = 1; step <= steps; ++step) {
        m_action.str({});
        const auto before = board.state().SpotStake;
        const std::int64_t moneyBefore = Money();
        const int settlementsBefore = m_shadow.settlements;
        Act();
        if (board.state().Spinning) {
            FinishSpin();
        }
        QCoreApplication::processEvents(); // repaints and deferred deletes, as between presses
        SCOPED_TRACE("seed " + std::to_string(m_seed) + ", step " + std::to_string(step) + ":" +
                     m_action.str());
        ASSERT_NO_FATAL_FAILURE(CheckStep(before, moneyBefore, settlementsBefore));
        if (HasFatalFailure()) {
            return;
        }
    }
    std::cout << "[ soak     ] seed " << m_seed << ", " << steps << " steps, "
              << m_shadow.settlements << " spins, " << m_answerer.answered()
              << " message boxes answered (" << m_answerer.exits() << " Exit), balance "
              << board.state().Balance << "\n";
}

} // namespace
