#include "table/ActionRules.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

struct NamedMoment {
    const char* what;
    TableMoment moment;
};

// The columns of the table below.
const std::array<NamedMoment, 9> kMoments = {{
    {"idle at 100 %, nothing to undo", {}},
    {"idle, a press to undo", {.canUndo = true}},
    {"the ball running", {.spinning = true, .canUndo = true}},
    {"autoplay between spins", {.autoplay = true, .canUndo = true}},
    {"autoplay's ball running", {.spinning = true, .autoplay = true}},
    {"a drill open, a press to undo", {.drill = true, .canUndo = true}},
    {"a drill's ball running", {.spinning = true, .drill = true}},
    {"at the last step, 300 %", {.zoom = 300}},
    {"between steps, 150 %", {.zoom = 150}},
}};

struct Row {
    const char* action;
    const char* usable; // one digit per moment above
};

// No spin, rebet or double while a drill is open; nothing that changes the
// layout while the ball runs or autoplay plays, but autoplay's own stop; no
// zoom while the ball runs; the zoom steps stop at their ends.
constexpr Row kRows[] = {
    {"actUndo", "010001000"},       {"actRebet", "110000011"},
    {"actClear", "110001011"},      {"actDouble", "110000011"},
    {"actSpin", "110000011"},       {"actStatistics", "110001011"},
    {"actAutoplay", "110110011"},   {"actSaveLayout", "110000011"},
    {"actLayout(0)", "110000011"},  {"actLayout(12)", "110000011"},
    {"actRacetrack", "110101011"},  {"actZoomIn", "110101001"},
    {"actZoomOut", "000000011"},    {"actZoomReset", "000000011"},
    {"actStrategy", "111111111"},   {"actManageLayouts", "111111111"},
    {"actDrillPlace", "111111111"},
};

TEST(ActionRules, EachActionIsUsableExactlyWhenItsRowSays) {
    for (const Row& row : kRows) {
        const ActionRule* rule = RuleFor(row.action);
        for (std::size_t i = 0; i < kMoments.size(); ++i) {
            const bool usable = rule == nullptr || Allowed(*rule, kMoments.at(i).moment);
            EXPECT_EQ(usable, row.usable[i] == '1') << row.action << ", " << kMoments.at(i).what;
        }
    }
}

// A numbered row covers the numbered actions only, not a name it begins.
TEST(ActionRules, ANumberedRowCoversOnlyTheNumberedActions) {
    EXPECT_NE(RuleFor("actLayout(3)"), nullptr);
    EXPECT_EQ(RuleFor("actLayout"), nullptr);
    EXPECT_EQ(RuleFor("actLayouts"), nullptr);
    EXPECT_EQ(RuleFor("actUndoAll"), nullptr);
}

} // namespace
