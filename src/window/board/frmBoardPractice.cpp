// The drills: a practice window beside the table. While it is open the
// player's own layout is put aside, so a drill never costs or changes it.
#include "window/board/frmBoard.h"

#include "window/board/PracticeRun.h"

#include "betting/BetNames.h"
#include "betting/LayoutActions.h"
#include "practice/DrillCheck.h"
#include "practice/DrillProgress.h"
#include "window/board/AnnouncedPreview.h"
#include "window/common/DataStore.h"
#include "window/common/WindowPlaces.h"
#include "window/practice/frmPractice.h"

#include <QAction>
#include <QComboBox>

#include <random>

namespace {

DataStore ProgressStore() {
    return {QStringLiteral("progress.txt"), std::string(kProgressKind), kProgressVersion,
            QStringLiteral("practice progress"),
            [](const StoredRecords& r) { return ReadProgress(r).has_value(); }};
}

struct DrillRow {
    const char* name;
    const char* text;
    Drill drill;
};

constexpr std::array<DrillRow, 3> kDrillRows = {{
    {"actDrillPlace", "&Place it", Drill::PlaceIt},
    {"actDrillName", "&Name it", Drill::NameIt},
    {"actDrillPay", "Pa&y it", Drill::PayIt},
}};

} // namespace

void frmBoard::CreatePractice() {
    for (std::size_t i = 0; i < kDrillRows.size(); ++i) {
        auto* action = new QAction(QString::fromLatin1(kDrillRows.at(i).text), this);
        // No keys, so not one of the table's keyboard actions; the menu lists it by name.
        action->setObjectName(QLatin1String(kDrillRows.at(i).name));
        const Drill drill = kDrillRows.at(i).drill;
        connect(action, &QAction::triggered, this, [this, drill] { OpenDrill(drill); });
        m_actDrills.at(i) = action;
    }
}

const NameTask* frmBoard::nameTaskForTest() const {
    return m_practice && m_practice->name ? &*m_practice->name : nullptr;
}

const PayTask* frmBoard::payTaskForTest() const {
    return m_practice && m_practice->pay ? &*m_practice->pay : nullptr;
}

bool frmBoard::DrillOpen() const {
    return m_practice != nullptr;
}

const PlacedBet* frmBoard::placeTaskForTest() const {
    return m_practice && m_practice->place ? &*m_practice->place : nullptr;
}

// The first drill puts the layout aside; another one only switches the window.
void frmBoard::OpenDrill(Drill drill) {
    if (m_state.Spinning || m_autoplay) {
        return;
    }
    if (!m_practice) {
        auto run = std::make_shared<PracticeRun>();
        run->saved = m_state;
        run->journal = m_session.journal;
        run->cover = m_cmbNumber->currentText();
        run->eitherSide = m_cmbNeighb->currentText();
        run->random.seed(static_cast<std::uint32_t>(m_random->Next() * 4294967295.0F));
        const DataStore::Result loaded = ProgressStore().Load();
        run->progress = ReadProgress(loaded.records).value_or(DrillProgress{});
        m_practice = std::move(run);
        m_session.journal.Clear();
        ClearLayoutForDrill();
        m_frmPractice = new frmPractice(this);
        connect(m_frmPractice, &frmPractice::checkPressed, this, &frmBoard::CheckDrill);
        connect(m_frmPractice, &frmPractice::nextPressed, this, &frmBoard::NewDrillTask);
        connect(m_frmPractice, &frmPractice::closed, this, &frmBoard::EndDrill);
        connect(m_frmPractice, &frmPractice::drillChosen, this, &frmBoard::OpenDrill);
        connect(m_frmPractice, &frmPractice::levelChosen, this, &frmBoard::NewDrillTask);
        connect(m_frmPractice, &frmPractice::choicePressed, this, &frmBoard::ChooseDrill);
        m_frmPractice->SetZoom(Zoom());
        WindowPlaces::PlaceBeside(m_frmPractice, window(), window()->frameGeometry().top());
        WindowPlaces::Track(m_frmPractice, m_frmPractice->objectName());
        if (!loaded.notice.isEmpty()) {
            ShowMessage(loaded.notice);
        }
    }
    m_frmPractice->ShowDrill(drill);
    m_frmPractice->show();
    m_frmPractice->raise();
    NewDrillTask();
    FollowTableChange();
}

// The stakes go back to the Balance; Undo of a drill's presses stays within the drill.
void frmBoard::ClearLayoutForDrill() {
    ClearStakes(m_state);
    m_preview->ClearMarks();
    RedrawAllSpots();
    RedrawTotals();
}

void frmBoard::RecordDrill(AnnouncedBet bet, bool right, const std::vector<std::int16_t>& missed) {
    PracticeRun& run = *m_practice;
    run.checked = true;
    m_frmPractice->SetAnswered(true);
    const DrillAnswer answer{m_frmPractice->drill(),
                             m_frmPractice->level(),
                             bet,
                             right,
                             m_frmPractice->ElapsedMs(),
                             missed};
    const DataStore::Result result =
        ProgressStore().Update([answer](StoredRecords& records) { RecordAnswer(records, answer); });
    run.progress = ReadProgress(result.records).value_or(run.progress);
    if (!result.notice.isEmpty() || !result.error.isEmpty()) {
        ShowMessage(result.notice.isEmpty() ? result.error : result.notice);
    }
    ShowDrillProgress();
}

void frmBoard::ShowDrillProgress() {
    const PracticeRun& run = *m_practice;
    const Drill drill = m_frmPractice->drill();
    const int level = m_frmPractice->level();
    std::array<bool, kLevelCount> unlocked{};
    for (int i = 0; i < kLevelCount; ++i) {
        unlocked.at(i) = IsUnlocked(run.progress, drill, i + 1);
    }
    m_frmPractice->SetLevels(unlocked, level);
    const auto found = run.progress.levels.find({drill, level});
    const LevelProgress shown =
        found == run.progress.levels.end() ? LevelProgress{} : found->second;
    m_frmPractice->ShowCounts(shown.right, shown.wrong, shown.streak, shown.bestStreak);
    m_frmPractice->ShowAverage(AverageMs(shown));
    std::vector<frmPractice::BetRow> rows;
    for (const auto& [bet, counts] : shown.bets) {
        const auto missed = MostMissed(counts);
        rows.push_back({QString::fromStdString(AnnouncedBetName(bet)), counts.tasks, counts.right,
                        missed ? QString::fromStdString(SpotName(*missed)) : QString()});
    }
    m_frmPractice->ShowBets(rows);
}

// Everything the drill touched goes back exactly as it was.
void frmBoard::EndDrill() {
    if (!m_practice) {
        return;
    }
    const PracticeRun& run = *m_practice;
    m_state.SpotStake = run.saved.SpotStake;
    m_state.SpotChip = run.saved.SpotChip;
    m_state.Balance = run.saved.Balance;
    m_state.BetTotal = run.saved.BetTotal;
    m_state.TotalsShown = run.saved.TotalsShown;
    m_state.BetAccepted = run.saved.BetAccepted;
    m_state.ChipIndex = run.saved.ChipIndex;
    m_state.TableIndex = run.saved.TableIndex;
    m_session.journal = run.journal;
    m_cmbNumber->setEditText(run.cover);
    m_cmbNeighb->setEditText(run.eitherSide);
    m_practice.reset();
    m_preview->SetSilenced(false);
    m_preview->ClearMarks();
    if (m_frmPractice) {
        m_frmPractice->deleteLater();
    }
    RedrawAllSpots();
    RedrawTotals();
    RedrawSelectors();
    FollowTableChange();
}

bool frmBoard::PlacingByHand() const {
    return m_practice && m_practice->place;
}
