#pragma once

#include "table/ZoomSteps.h"

#include <span>
#include <string_view>

// What the table is doing, as far as the actions around it care.
struct TableMoment {
    bool spinning = false; // the ball runs
    bool autoplay = false; // autoplay plays the table
    bool drill = false;    // a drill's practice layout lies on the table
    bool canUndo = false;
    int zoom = kDefaultZoom; // percent
};

// How an action stands to something the table may be doing.
enum class Stance {
    Ignores, // usable all the same
    Waits,   // not usable meanwhile
    Stops,   // usable all along, whatever else holds: it is what ends it
};

// A further condition of the action's own.
enum class Also { Nothing, SomethingToUndo, BelowLastStep, AboveFirstStep, NotAtDefaultZoom };

// One row: when one action (by objectName) may be used.
struct ActionRule {
    std::string_view name; // ending in '(' the row covers every numbered action of that name
    Stance ball;
    Stance autoplay;
    Stance drill;
    Also also = Also::Nothing;
};

// Every action round the table that is ever unusable, and why; an action with
// no row is always usable (its handler still refuses what it cannot do).
std::span<const ActionRule> ActionRules();

// The row for an action's objectName; null for an action with none.
const ActionRule* RuleFor(std::string_view name);

bool Allowed(const ActionRule& rule, const TableMoment& moment);
