#include "table/ActionRules.h"

#include <algorithm>
#include <array>

namespace {

using enum Stance;

// A drill stakes practice, not the player's money, so it plays no spin and
// brings back or saves no real layout; an added stake during autoplay would
// change what it plays; the zoom keeps the size the ball's path started at.
constexpr std::array kRules = {
    ActionRule{"actUndo", Waits, Waits, Ignores, Also::SomethingToUndo},
    ActionRule{"actRebet", Waits, Waits, Waits},
    ActionRule{"actClear", Waits, Waits, Ignores},
    ActionRule{"actDouble", Waits, Waits, Waits},
    ActionRule{"actSpin", Waits, Waits, Waits},
    ActionRule{"actStatistics", Waits, Waits, Ignores},
    ActionRule{"actAutoplay", Waits, Stops, Waits},
    ActionRule{"actSaveLayout", Waits, Waits, Waits},
    ActionRule{"actLayout(", Waits, Waits, Waits},
    ActionRule{"actRacetrack", Waits, Ignores, Ignores},
    ActionRule{"actZoomIn", Waits, Ignores, Ignores, Also::BelowLastStep},
    ActionRule{"actZoomOut", Waits, Ignores, Ignores, Also::AboveFirstStep},
    ActionRule{"actZoomReset", Waits, Ignores, Ignores, Also::NotAtDefaultZoom},
};

bool Holds(Also also, const TableMoment& moment) {
    switch (also) {
    case Also::Nothing:
        return true;
    case Also::SomethingToUndo:
        return moment.canUndo;
    case Also::BelowLastStep:
        return moment.zoom < kZoomSteps.back();
    case Also::AboveFirstStep:
        return moment.zoom > kZoomSteps.front();
    case Also::NotAtDefaultZoom:
        return moment.zoom != kDefaultZoom;
    }
    return true;
}

bool Matches(std::string_view rule, std::string_view name) {
    return rule.ends_with('(') ? name.starts_with(rule) : name == rule;
}

} // namespace

std::span<const ActionRule> ActionRules() {
    return kRules;
}

const ActionRule* RuleFor(std::string_view name) {
    const auto* found = std::find_if(kRules.begin(), kRules.end(), [name](const ActionRule& rule) {
        return Matches(rule.name, name);
    });
    return found == kRules.end() ? nullptr : found;
}

bool Allowed(const ActionRule& rule, const TableMoment& moment) {
    if (rule.autoplay == Stops && moment.autoplay) {
        return true;
    }
    const std::array<std::pair<Stance, bool>, 3> doings = {{{rule.ball, moment.spinning},
                                                            {rule.autoplay, moment.autoplay},
                                                            {rule.drill, moment.drill}}};
    for (const auto& [stance, doing] : doings) {
        if (stance == Waits && doing) {
            return false;
        }
    }
    return Holds(rule.also, moment);
}
