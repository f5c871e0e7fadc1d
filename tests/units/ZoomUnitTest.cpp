#include "FakeTable.h"

#include "window/zoom/ZoomUnit.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>

namespace {

void Trigger(const ZoomUnit& unit, const char* name) {
    QAction* action = unit.findChild<QAction*>(QLatin1String(name));
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

struct ZoomCase {
    const char* what;
    std::vector<const char*> actions;
    int percent;
    int drawn; // how often the table was drawn at a new zoom
};

TEST(ZoomUnit, EachActionStepsAndTheEndsStay) {
    const ZoomCase cases[] = {
        {"one step in", {"actZoomIn"}, 125, 1},
        {"the steps are not even", {"actZoomIn", "actZoomIn", "actZoomIn", "actZoomIn"}, 200, 4},
        {"in past the last step",
         {"actZoomIn", "actZoomIn", "actZoomIn", "actZoomIn", "actZoomIn", "actZoomIn",
          "actZoomIn"},
         300,
         6},
        {"out below the first step", {"actZoomOut"}, 100, 0},
        {"in, in, out", {"actZoomIn", "actZoomIn", "actZoomOut"}, 125, 3},
        {"reset from 150", {"actZoomIn", "actZoomIn", "actZoomReset"}, 100, 3},
        {"reset at 100", {"actZoomReset"}, 100, 0},
    };
    for (const ZoomCase& c : cases) {
        FakeTable table;
        ZoomUnit unit(table);
        QSignalSpy drawn(&table, &Table::zoomChanged);
        QSignalSpy stepped(&unit, &ZoomUnit::stepped);
        for (const char* name : c.actions) {
            Trigger(unit, name);
        }
        EXPECT_EQ(unit.percent(), c.percent) << c.what;
        EXPECT_DOUBLE_EQ(table.zoom(), c.percent / 100.0) << c.what;
        EXPECT_EQ(drawn.size(), c.drawn) << c.what;
        EXPECT_EQ(stepped.size(), c.drawn) << c.what;
    }
}

TEST(ZoomUnit, NoStepWhileTheBallRuns) {
    FakeTable table;
    ZoomUnit unit(table);
    table.Spin();
    Trigger(unit, "actZoomIn");
    EXPECT_EQ(unit.percent(), 100);
    EXPECT_DOUBLE_EQ(table.zoom(), 1.0);
}

// The next table opens at the step left; a first start draws nothing anew.
TEST(ZoomUnit, TheStepIsKeptForTheNextStart) {
    {
        FakeTable first;
        ZoomUnit unit(first);
        unit.Restore();
        EXPECT_EQ(unit.percent(), 100);
        EXPECT_EQ(first.zoom(), 1.0);
        unit.SetZoom(175);
    }
    FakeTable next;
    ZoomUnit unit(next);
    QSignalSpy drawn(&next, &Table::zoomChanged);
    unit.Restore();
    EXPECT_EQ(unit.percent(), 175);
    EXPECT_DOUBLE_EQ(next.zoom(), 1.75);
    EXPECT_EQ(drawn.size(), 1);
}

} // namespace
