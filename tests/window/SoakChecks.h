#pragma once

#include "window/Picture.h"
#include "window/frmBoard.h"

#include "betting/UpdateChip.h"
#include "table/NumberText.h"
#include "window/InputBlocker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

// What the soak remembers about the table between steps, kept apart from the
// table's own state so that the checks do not take the table's word for it.
struct SoakShadow {
    // The table each stake was tested against when it last changed.
    std::array<std::int16_t, kSpotCount> placedAt{};
    std::array<std::int16_t, kSpotCount> stakes{};
    int settlements = 0;
};

inline QString ArrayControl(const char* name, int spot) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(spot);
}

// Odds to one from how many numbers a spot covers (35 straight up ... 1 even chance).
inline std::int32_t WinOf(const std::array<std::int16_t, kSpotCount>& stakes, std::int16_t number) {
    std::int32_t win = 0;
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        const auto numbers = SpotNumbers(spot);
        if (std::find(numbers.begin(), numbers.end(), number) != numbers.end()) {
            win += stakes.at(spot) * (36 / static_cast<int>(numbers.size()) - 1);
        }
    }
    return win;
}

inline bool Covers(std::int16_t spot, std::int16_t number) {
    const auto numbers = SpotNumbers(spot);
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

// Every stake lies within the limits of the table it was tested at, and its
// marker and label are shown exactly while it is above zero.
inline ::testing::AssertionResult StakesAreSound(const frmBoard& board, const SoakShadow& shadow) {
    const GameState& state = board.state();
    for (int s = 0; s < kSpotCount; ++s) {
        const std::int16_t stake = state.SpotStake.at(s);
        const auto t = static_cast<std::size_t>(shadow.placedAt.at(s));
        const auto& limits = state.limits;
        if (stake < 0 || (stake > 0 && (stake % limits.TableMultiple.at(t) != 0 ||
                                        stake < limits.SpotMinBet.at(t).at(s) ||
                                        stake > limits.SpotMaxBet.at(t).at(s)))) {
            return ::testing::AssertionFailure()
                   << "spot " << s << " holds " << stake << ", off the limits of table " << t;
        }
        const auto* chip = board.findChild<Picture*>(ArrayControl("imgChip", s));
        const auto* label = board.findChild<QLabel*>(ArrayControl("lblChip", s));
        if (chip->isVisible() != (stake > 0) || label->isVisible() != (stake > 0)) {
            return ::testing::AssertionFailure()
                   << "spot " << s << " holds " << stake << " but its marker shows "
                   << chip->isVisible() << " and its label " << label->isVisible();
        }
        if (stake > 0 && (label->text() != QString::number(stake) ||
                          chip->artwork() != ArtworkId{ArtworkKind::Chip, state.SpotChip.at(s)})) {
            return ::testing::AssertionFailure()
                   << "spot " << s << " holds " << stake << " but its label reads "
                   << label->text().toStdString() << " or its marker shows another chip";
        }
    }
    return ::testing::AssertionSuccess();
}

// BetTotal is the sum of the stakes, of the labels on the layout and of the "Bet" box.
inline ::testing::AssertionResult TotalsAgree(const frmBoard& board) {
    const GameState& state = board.state();
    std::int32_t labels = 0;
    for (int s = 0; s < kSpotCount; ++s) {
        const auto* label = board.findChild<QLabel*>(ArrayControl("lblChip", s));
        labels += label->isVisible() ? label->text().toInt() : 0;
    }
    const auto shown = [&](std::int32_t value) {
        return state.TotalsShown ? QString::fromStdString(SignedForm(value)) : QString();
    };
    const auto* bet = board.findChild<QLineEdit*>(QStringLiteral("txtBetValue"));
    const auto* balance = board.findChild<QLineEdit*>(QStringLiteral("txtWinTotal"));
    if (state.BetTotal != StakeSum(state) || state.BetTotal != labels ||
        bet->text() != shown(state.BetTotal) || balance->text() != shown(state.Balance)) {
        return ::testing::AssertionFailure()
               << "BetTotal " << state.BetTotal << ", stakes " << StakeSum(state) << ", labels "
               << labels << ", Bet box '" << bet->text().toStdString() << "', Balance box '"
               << balance->text().toStdString() << "' for " << state.Balance;
    }
    return ::testing::AssertionSuccess();
}

// The history column shows the newest fourteen numbers, one per settlement.
inline ::testing::AssertionResult HistoryAgrees(const frmBoard& board, int settlements) {
    const auto boxes = board.findChildren<QLineEdit*>(QRegularExpression("^txtLastNumber"));
    int filled = 0;
    for (int i = 0; i < kHistoryCount; ++i) {
        const auto* box = board.findChild<QLineEdit*>(ArrayControl("txtLastNumber", i));
        const std::string& text = board.state().LastNumbers.at(i).text;
        filled += text.empty() ? 0 : 1;
        if (box->text() != QString::fromStdString(text)) {
            return ::testing::AssertionFailure() << "history box " << i << " differs";
        }
    }
    if (boxes.size() != kHistoryCount || filled != std::min(settlements, kHistoryCount)) {
        return ::testing::AssertionFailure() << boxes.size() << " history boxes, " << filled
                                             << " numbers after " << settlements << " spins";
    }
    return ::testing::AssertionSuccess();
}

// Idle again: no box up, input taken, the normal pointer, both combo boxes back.
inline ::testing::AssertionResult TableIsIdle(const frmBoard& board) {
    const auto* blocker = board.findChild<InputBlocker*>();
    if (board.state().Spinning || QApplication::activeModalWidget() != nullptr ||
        QApplication::overrideCursor() != nullptr || (blocker && blocker->blocking()) ||
        !board.findChild<QComboBox*>(QStringLiteral("cmbNumber"))->isVisible() ||
        !board.findChild<QComboBox*>(QStringLiteral("cmbNeighb"))->isVisible()) {
        return ::testing::AssertionFailure() << "the table was left busy or blocked";
    }
    return ::testing::AssertionSuccess();
}
