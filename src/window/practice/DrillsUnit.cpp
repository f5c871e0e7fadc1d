#include "window/practice/DrillsUnit.h"

#include "betting/BetNames.h"
#include "table/RandomSource.h"
#include "window/common/Table.h"
#include "window/common/TableTexts.h"
#include "window/common/WindowPlaces.h"
#include "window/practice/frmPractice.h"

#include <QAction>

namespace {

struct DrillRow {
    const char* name;
    const char* text;
    Drill drill;
};

constexpr std::array<DrillRow, 4> kDrillRows = {{
    {"actDrillPlace", QT_TRANSLATE_NOOP("DrillsUnit", "&Place it"), Drill::PlaceIt},
    {"actDrillName", QT_TRANSLATE_NOOP("DrillsUnit", "&Name it"), Drill::NameIt},
    {"actDrillPay", QT_TRANSLATE_NOOP("DrillsUnit", "Pa&y it"), Drill::PayIt},
    {"actDrillHear", QT_TRANSLATE_NOOP("DrillsUnit", "&Hear it"), Drill::HearIt},
}};

} // namespace

DataStore DrillsUnit::ProgressStore() {
    return {QStringLiteral("progress.txt"), std::string(kProgressKind), kProgressVersion,
            tr("practice progress"),
            [](const StoredRecords& r) { return ReadProgress(r).has_value(); }};
}

// No keys, so not one of the table's keyboard actions; the menu lists them by name.
DrillsUnit::DrillsUnit(Table& table, RandomSource& random, DataStore progress, Speak speak)
    : QObject(&table), m_table(table), m_random(random), m_store(std::move(progress)),
      m_speak(std::move(speak)) {
    setObjectName(QStringLiteral("drillsUnit"));
    for (std::size_t i = 0; i < kDrillRows.size(); ++i) {
        auto* action = new QAction(tr(kDrillRows.at(i).text), this);
        action->setObjectName(QLatin1String(kDrillRows.at(i).name));
        const Drill drill = kDrillRows.at(i).drill;
        connect(action, &QAction::triggered, this, [this, drill] { Open(drill); });
        m_actions.at(i) = action;
    }
    connect(&table, &Table::zoomChanged, this, [this](double zoom) {
        if (m_window) {
            m_window->SetZoom(zoom);
        }
    });
}

frmPractice* DrillsUnit::window() const {
    return m_window;
}

const PlacedBet* DrillsUnit::placeTask() const {
    return m_run && m_run->place ? &*m_run->place : nullptr;
}

const NameTask* DrillsUnit::nameTask() const {
    return m_run && m_run->name ? &*m_run->name : nullptr;
}

const PayTask* DrillsUnit::payTask() const {
    return m_run && m_run->pay ? &*m_run->pay : nullptr;
}

const HearTask* DrillsUnit::hearTask() const {
    return m_run && m_run->hear ? &*m_run->hear : nullptr;
}

void DrillsUnit::Open(Drill drill) {
    if (m_table.busy()) {
        return;
    }
    if (!m_run) {
        Run run;
        run.random.seed(static_cast<std::uint32_t>(m_random.Next() * 4294967295.0F));
        const DataStore::Result loaded = m_store.Load();
        run.progress = ReadProgress(loaded.records).value_or(DrillProgress{});
        m_run = std::move(run);
        m_table.PutLayoutAside();
        m_table.ClearMarks();
        OpenWindow(loaded.notice);
    }
    m_window->ShowDrill(drill);
    m_window->show();
    m_window->raise();
    NewTask();
}

void DrillsUnit::OpenWindow(const QString& notice) {
    QWidget* owner = m_table.owner();
    m_window = new frmPractice(owner);
    connect(m_window, &frmPractice::checkPressed, this, &DrillsUnit::Check);
    connect(m_window, &frmPractice::nextPressed, this, &DrillsUnit::NewTask);
    connect(m_window, &frmPractice::closed, this, &DrillsUnit::End);
    connect(m_window, &frmPractice::drillChosen, this, &DrillsUnit::Open);
    connect(m_window, &frmPractice::levelChosen, this, &DrillsUnit::NewTask);
    connect(m_window, &frmPractice::choicePressed, this, &DrillsUnit::Choose);
    connect(m_window, &frmPractice::repeatPressed, this, &DrillsUnit::Repeat);
    connect(m_window, &frmPractice::ticked, this, &DrillsUnit::StreamTick);
    m_window->SetZoom(m_table.zoom());
    WindowPlaces::PlaceBeside(m_window, owner->window(), owner->window()->frameGeometry().top());
    WindowPlaces::Track(m_window, m_window->objectName());
    if (!notice.isEmpty()) {
        m_table.ShowMessage(notice);
    }
}

void DrillsUnit::Record(AnnouncedBet bet, bool right, const std::vector<std::int16_t>& missed) {
    Run& run = *m_run;
    run.checked = true;
    m_window->SetAnswered(true);
    const DrillAnswer answer{
        m_window->drill(), m_window->level(), bet, right, m_window->ElapsedMs(), missed};
    const DataStore::Result result =
        m_store.Update([answer](StoredRecords& records) { RecordAnswer(records, answer); });
    run.progress = ReadProgress(result.records).value_or(run.progress);
    if (!result.notice.isEmpty() || !result.error.isEmpty()) {
        m_table.ShowMessage(result.notice.isEmpty() ? result.error : result.notice);
    }
    ShowProgress();
}

void DrillsUnit::ShowProgress() {
    const Run& run = *m_run;
    const Drill drill = m_window->drill();
    const int level = m_window->level();
    std::array<bool, kLevelCount> unlocked{};
    for (int i = 0; i < kLevelCount; ++i) {
        unlocked.at(i) = IsUnlocked(run.progress, drill, i + 1);
    }
    m_window->SetLevels(unlocked, level);
    const auto found = run.progress.levels.find({drill, level});
    const LevelProgress shown =
        found == run.progress.levels.end() ? LevelProgress{} : found->second;
    m_window->ShowCounts(shown.right, shown.wrong, shown.streak, shown.bestStreak);
    m_window->ShowAverage(AverageMs(shown));
    std::vector<frmPractice::BetRow> rows;
    for (const auto& [bet, counts] : shown.bets) {
        const auto missed = MostMissed(counts);
        rows.push_back({TableText(AnnouncedBetName(bet)), counts.tasks, counts.right,
                        missed ? TableText(SpotName(*missed)) : QString()});
    }
    m_window->ShowBets(rows);
}

void DrillsUnit::End() {
    if (!m_run) {
        return;
    }
    m_run.reset();
    m_table.blockInput(false); // Hear it's "No more bets" may have closed the layout
    m_table.DivertAnnouncedPresses(nullptr);
    m_table.SilencePreview(false);
    m_table.ClearMarks();
    if (m_window) {
        m_window->deleteLater();
    }
    m_table.BringLayoutBack();
}
