#include "betting/PressForecast.h"

#include "betting/BetNames.h"
#include "betting/TypedValue.h"
#include "table/Money.h"
#include "table/NumberText.h"

namespace {

constexpr std::size_t kChipsPerLine = 6;

int CoverBits(AnnouncedBet bet) {
    return bet == AnnouncedBet::Finals ? 32 : 16;
}

bool ReadsCover(AnnouncedBet bet) {
    return bet == AnnouncedBet::Finals || bet == AnnouncedBet::Figure ||
           LargestEitherSide(bet).has_value();
}

std::string OutOfRange(std::string_view text) {
    return "\"" + std::string(text) + "\" is out of range";
}

// Why the either-side text names no pocket; empty when it does.
std::string EitherSideReason(AnnouncedBet bet, std::string_view neighbText) {
    const auto largest = LargestEitherSide(bet);
    const auto count = ReadTypedValue(neighbText, 16);
    if (!count) {
        return OutOfRange(neighbText);
    }
    const std::string counted = "an either-side count of " + PlainForm(*count);
    if (*count > *largest) {
        return counted + " is more than this bet takes (" + PlainForm(*largest) + ")";
    }
    if (*count < 1 && bet != AnnouncedBet::Neighb) {
        return counted + " covers no pocket";
    }
    return {};
}

// Only asked when the pattern is empty, so the first reason found is the one.
std::string NothingReason(AnnouncedBet bet, std::string_view coverText,
                          std::string_view neighbText) {
    const auto cover = ReadTypedValue(coverText, CoverBits(bet));
    if (!cover) {
        return OutOfRange(coverText);
    }
    if (bet == AnnouncedBet::Finals) {
        return PlainForm(*cover) + " has no last digit from 0 to 9";
    }
    if (*cover < 0 || *cover >= kNumberCount) {
        return PlainForm(*cover) + " is not a number on the wheel";
    }
    return EitherSideReason(bet, neighbText);
}

std::string Title(AnnouncedBet bet, std::string_view coverText, std::string_view neighbText) {
    std::string title = AnnouncedBetName(bet);
    const auto cover = ReadTypedValue(coverText, CoverBits(bet));
    if (!ReadsCover(bet) || !cover) {
        return title;
    }
    title += " of " + PlainForm(*cover);
    const auto count = ReadTypedValue(neighbText, 16);
    if (LargestEitherSide(bet) && count) {
        title += ", " + PlainForm(*count) + " either side";
    }
    return title;
}

// A left press only ever adds: each chip placed raised BetTotal by one chip's
// value, so the chips placed before an overflow can be counted from it.
std::size_t PlacedBefore(const GameState& before, const GameState& after, std::int16_t chip) {
    const std::int64_t raised = std::int64_t{after.BetTotal} - before.BetTotal;
    return static_cast<std::size_t>(raised / chip);
}

std::string Chips(std::size_t count) {
    return PlainForm(static_cast<std::int64_t>(count)) + (count == 1 ? " chip" : " chips");
}

std::string ChipList(const std::vector<std::int16_t>& chips) {
    std::string list;
    for (std::size_t i = 0; i < chips.size(); ++i) {
        if (i > 0) {
            list += i % kChipsPerLine == 0 ? ",\n" : ", ";
        }
        list += SpotName(chips[i]);
    }
    return list;
}

std::string StopText(const PressForecast& f) {
    const std::string chip = "chip " + PlainForm(static_cast<std::int64_t>(f.placed + 1)) + ", " +
                             SpotName(f.chips.at(f.placed));
    const std::string before =
        f.placed == 0 ? "No chip is placed before it."
                      : Chips(f.placed) + (f.placed == 1 ? " is" : " are") + " placed before it.";
    if (f.overflow) {
        return "Stops at " + chip + ": the money would go out of range.\n" + before;
    }
    return "The " + f.table + " table refuses " + chip + ": \"" + RefusalText(*f.refusal) + "\"\n" +
           before;
}

} // namespace

PressForecast ForecastPress(const GameState& state, AnnouncedBet bet, std::string_view coverText,
                            std::string_view neighbText) {
    PressForecast f;
    f.bet = bet;
    f.chips = AnnouncedSpots(state.catalogue, bet, coverText, neighbText);
    f.chipValue = state.catalogue.ChipValue.at(state.ChipIndex);
    f.table = TableCaption(state.limits, state.TableIndex);
    f.title = Title(bet, coverText, neighbText);
    if (f.chips.empty()) {
        f.placesNothing = NothingReason(bet, coverText, neighbText);
        return f;
    }
    GameState copy = state;
    try {
        const AnnouncedPress press = PressAnnounced(copy, bet, coverText, neighbText, kLeftButton);
        f.placed = press.changed.size();
        f.refusal = press.refusal;
    } catch (const MoneyOverflow&) {
        f.overflow = true;
        f.placed = PlacedBefore(state, copy, f.chipValue);
    }
    return f;
}

std::array<int, kNumberCount> ChipsPerNumber(const PressForecast& forecast) {
    std::array<int, kNumberCount> chips{};
    for (std::size_t i = 0; i < forecast.placed; ++i) {
        for (const std::int16_t n : SpotNumbers(forecast.chips[i])) {
            ++chips.at(static_cast<std::size_t>(n));
        }
    }
    return chips;
}

std::string ForecastText(const PressForecast& f) {
    if (f.chips.empty()) {
        return f.title + "\nplaces nothing: " + f.placesNothing;
    }
    const std::int64_t cost = static_cast<std::int64_t>(f.chips.size()) * f.chipValue;
    std::string text = f.title + "\n" + ChipList(f.chips) + "\n" + Chips(f.chips.size()) + " of " +
                       Dollars(f.chipValue) + ": " + Dollars(cost);
    if (f.refusal || f.overflow) {
        text += "\n" + StopText(f);
    }
    return text;
}
