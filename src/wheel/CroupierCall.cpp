#include "wheel/CroupierCall.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 20> kOnes = {
    "Zero",     "One",     "Two",     "Three",     "Four",     "Five",    "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
constexpr std::array<std::string_view, 4> kTens = {"Twenty", "Thirty", "Forty", "Fifty"};

std::string Lower(std::string_view word) {
    std::string lower(word);
    lower.front() = static_cast<char>(lower.front() - 'A' + 'a');
    return lower;
}

} // namespace

std::string NumberWords(int number) {
    if (number < 20) {
        return std::string(kOnes.at(static_cast<std::size_t>(number)));
    }
    std::string words(kTens.at(static_cast<std::size_t>(number / 10 - 2)));
    if (number % 10 != 0) {
        words += "-" + Lower(kOnes.at(static_cast<std::size_t>(number % 10)));
    }
    return words;
}

std::string ResultCall(int number) {
    if (number == 0) {
        return NumberWords(0);
    }
    return NumberWords(number) + (IsRed(static_cast<std::int16_t>(number)) ? ", red" : ", black") +
           (number % 2 == 1 ? ", odd" : ", even") + (number <= 18 ? ", low" : ", high");
}

std::string_view SoundName(TableSound sound) {
    constexpr std::array<std::string_view, 6> kNames = {"chip", "bet", "spin",
                                                        "drop", "win", "sweep"};
    return kNames.at(static_cast<std::size_t>(sound));
}

std::vector<TableSound> SettlementSounds(const SpotStakes& stakesBefore, int number) {
    bool won = false;
    bool lost = false;
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        if (stakesBefore.at(spot) <= 0) {
            continue;
        }
        const auto numbers = SpotNumbers(spot);
        const bool covers = std::find(numbers.begin(), numbers.end(), number) != numbers.end();
        (covers ? won : lost) = true;
    }
    std::vector<TableSound> sounds{TableSound::Drop};
    if (won) {
        sounds.push_back(TableSound::Win);
    }
    if (lost) {
        sounds.push_back(TableSound::Sweep);
    }
    return sounds;
}

Hearing HeardAt(PlayPace pace) {
    return {pace != PlayPace::Instant, pace == PlayPace::TableSpeed};
}
