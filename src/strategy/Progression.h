#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The betting systems players read about: each sets the multiplier of the
// base layout for the next spin from how the spins so far went.
enum class ProgressionKind { Flat, Martingale, DAlembert, Fibonacci, Paroli };

inline constexpr std::array<ProgressionKind, 5> kProgressions = {
    ProgressionKind::Flat, ProgressionKind::Martingale, ProgressionKind::DAlembert,
    ProgressionKind::Fibonacci, ProgressionKind::Paroli};

// "Flat", "Martingale", "d'Alembert", "Fibonacci", "Paroli".
std::string_view ProgressionName(ProgressionKind kind);

// A spin is won when the player's money (Balance + Bet) is higher after it,
// lost when lower, and neither when it is the same.
enum class SpinOutcome { Won, Lost, Even };
SpinOutcome OutcomeOf(std::int64_t moneyBefore, std::int64_t moneyAfter);

class Progression {
  public:
    // Far above any table's largest stake: a multiplier that reaches it is
    // refused by the table, so holding it there changes no outcome and
    // keeps a long losing run from overflowing.
    static constexpr std::int64_t kLargestMultiplier = std::int64_t{1} << 40;

    explicit Progression(ProgressionKind kind = ProgressionKind::Flat) : m_kind(kind) {}

    ProgressionKind kind() const { return m_kind; }
    // The multiplier for the next spin; 1 before the first.
    std::int64_t Multiplier() const { return m_multiplier; }
    // Steps on after a settled spin; an even spin keeps everything.
    void After(SpinOutcome outcome);

  private:
    void AfterWin();
    void AfterLoss();
    void SetFibonacciStep(int step);

    ProgressionKind m_kind;
    std::int64_t m_multiplier = 1;
    int m_fibonacciStep = 0; // index into 1, 1, 2, 3, 5, ...
    int m_winsInRow = 0;     // Paroli's run
};
