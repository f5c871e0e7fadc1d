// The features round the table, each a unit of its own in its own folder
// that reaches the table only through BoardTable (window/common/Table.h).
// The table makes them, so that the table alone is the whole program.
#include "window/board/frmBoard.h"

#include "window/autoplay/AutoplayUnit.h"
#include "window/board/BoardTable.h"
#include "window/help/HelpUnit.h"
#include "window/layouts/LayoutsUnit.h"
#include "window/places/WindowReopener.h"
#include "window/practice/DrillsUnit.h"
#include "window/racetrack/RacetrackUnit.h"
#include "window/sound/SoundUnit.h"
#include "window/statistics/StatisticsUnit.h"
#include "window/strategy/StrategyUnit.h"
#include "window/zoom/ZoomUnit.h"

// Around the table's own actions: the racetrack's key follows its six on the
// table, and the units' actions are made in the order the menus list them.
void frmBoard::CreateFeatures() {
    m_statistics = new StatisticsUnit(*m_table);
    m_help = new HelpUnit(*m_table);
    CreateActions();
    m_racetrack = new RacetrackUnit(*m_table);
    auto* autoplay = new AutoplayUnit(*m_table);
    connect(autoplay, &AutoplayUnit::status, this, &frmBoard::autoplayStatus);
    new StrategyUnit(*m_table);
    m_zoom = new ZoomUnit(*m_table);
    connect(m_table, &Table::zoomChanged, this, &frmBoard::zoomChanged);
    connect(m_zoom, &ZoomUnit::stepped, this, &frmBoard::ApplyActionRules);
    auto* sound = new SoundUnit(
        *m_table, [autoplay] { return autoplay->pace(); }, []() -> TableAudio& { return Audio(); });
    new DrillsUnit(*m_table, *m_random, DrillsUnit::ProgressStore(),
                   [sound](const QString& call) { return sound->SpeakCall(call); });
}

// Once the game has started: the layouts' file may need a word with the
// player, the stored zoom redraws a placed table, and the windows left open
// reopen after the constructor, so the table shows first.
void frmBoard::CreateStartedFeatures() {
    auto* layouts = new LayoutsUnit(*m_table, LayoutsUnit::Store());
    connect(layouts, &LayoutsUnit::listed, this, &frmBoard::ApplyActionRules);
    m_zoom->Restore();
    ApplyActionRules(); // the units' actions were made after the table's were ruled
    new WindowReopener(*m_table,
                       {{QStringLiteral("frmStatistics"), [this] { m_statistics->Show(); }},
                        {QStringLiteral("HelpViewer"), [this] { m_help->Show(); }},
                        {QStringLiteral("frmRacetrack"), [this] { m_racetrack->Show(); }}});
}

namespace {

// The units are the table interface's own children.
template <class Unit> const Unit& UnitOf(const QObject& table) {
    return *table.findChild<Unit*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

HelpViewer* frmBoard::helpViewer() const {
    return m_help->viewer();
}

bool frmBoard::autoplayRunning() const {
    return UnitOf<AutoplayUnit>(*m_table).running();
}

std::optional<AutoplayEnd> frmBoard::lastAutoplayEnd() const {
    return UnitOf<AutoplayUnit>(*m_table).lastEnd();
}

const PlacedBet* frmBoard::placeTaskForTest() const {
    return UnitOf<DrillsUnit>(*m_table).placeTask();
}

const NameTask* frmBoard::nameTaskForTest() const {
    return UnitOf<DrillsUnit>(*m_table).nameTask();
}

const PayTask* frmBoard::payTaskForTest() const {
    return UnitOf<DrillsUnit>(*m_table).payTask();
}
