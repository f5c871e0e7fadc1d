// The drills' tasks on the table: each one starts from a cleared layout and
// stakes what it shows through the table's own presses.
#include "window/practice/DrillsUnit.h"

#include "practice/DrillCheck.h"
#include "practice/PaySum.h"
#include "window/common/Table.h"
#include "window/common/TableTexts.h"
#include "window/practice/frmPractice.h"

namespace {

QString Text(const std::string& text) {
    return TableText(text);
}

} // namespace

// Next on a task not yet checked skips it, uncounted.
void DrillsUnit::NewTask() {
    Run& run = *m_run;
    run.checked = false;
    run.place.reset();
    run.name.reset();
    run.pay.reset();
    run.hear.reset();
    run.spoken = 0;
    m_table.blockInput(false);
    m_table.DivertAnnouncedPresses(nullptr);
    m_table.ClearLayout();
    m_table.ClearMarks();
    const int level = m_window->level();
    const Drill drill = m_window->drill();
    m_table.SilencePreview(drill == Drill::PlaceIt || drill == Drill::HearIt);
    m_window->SetAnswered(false);
    if (drill == Drill::PlaceIt) {
        NewPlaceTask(level);
    } else if (drill == Drill::NameIt) {
        NewNameTask(level);
    } else if (drill == Drill::PayIt) {
        NewPayTask(level);
    } else {
        NewHearTask(level);
    }
    // Undo takes back the player's own presses on this task only: not the
    // drill's laying of it, nor a task gone by.
    m_table.ForgetUndo();
    ShowProgress();
}

// In Place it the bet is built by hand: a button shows the answer.
void DrillsUnit::NewPlaceTask(int level) {
    const PlacedBet& task =
        m_run->place.emplace(DrawPlaceTask(m_table.state(), level, m_run->random));
    m_table.DivertAnnouncedPresses([this] { TakePress(); });
    m_table.SetChipAndTable(task.chipIndex, task.tableIndex);
    m_window->ShowTask(tr("Place %1 at %2.").arg(Text(task.title), Text(task.piece)));
}

void DrillsUnit::NewNameTask(int level) {
    const NameTask& task = m_run->name.emplace(DrawNameTask(m_table.state(), level, m_run->random));
    PressBet(task.bet);
    std::array<QString, 4> choices;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        choices.at(i) = Text(task.choices.at(i));
    }
    m_window->ShowChoices(choices);
    m_window->ShowTask(tr("Which bet lies on the layout, at %1?").arg(Text(task.bet.piece)));
}

// The call bet by its button; the chips by hand one press each, as a player would.
void DrillsUnit::NewPayTask(int level) {
    const PayTask& task = m_run->pay.emplace(DrawPayTask(m_table.state(), level, m_run->random));
    PressBet(task.bet);
    const int piece = std::max<int>(task.bet.pieceValue, 1);
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        for (int extra = task.stakes.at(spot) - m_table.state().SpotStake.at(spot); extra > 0;
             extra -= piece) {
            m_table.PressSpot(spot);
        }
    }
    m_window->ShowTask(tr("%1. What is paid?").arg(Text(task.text)));
}

// At the task's chip and table, with the task's count either side.
void DrillsUnit::PressBet(const PlacedBet& bet) {
    m_table.SetChipAndTable(bet.chipIndex, bet.tableIndex);
    m_table.PressAnnounced(bet.call.bet, Qt::LeftButton, bet.call.cover, Text(bet.call.neighb));
}

void DrillsUnit::Check() {
    if (m_run->checked) {
        return;
    }
    if (m_run->place) {
        CheckPlaceTask();
    } else if (m_run->pay) {
        CheckPayTask();
    } else if (m_run->hear && HearCheckOpen()) {
        CheckHearTask();
    }
}

void DrillsUnit::CheckPlaceTask() {
    const PlacedBet& task = *m_run->place;
    const PlaceVerdict verdict = CheckPlace(task, m_table.state().SpotStake);
    m_window->ShowVerdict(Text(verdict.text), !verdict.right);
    if (!verdict.right) {
        m_table.ShowPair(verdict.missingPerNumber, verdict.extraPerNumber);
    }
    Record(task.call.bet, verdict.right, verdict.missing);
}

// The sum is of what lies on the layout, as the croupier would pay it.
void DrillsUnit::CheckPayTask() {
    const PayTask& task = *m_run->pay;
    const GameState& state = m_table.state();
    const PayBreakdown sum = PaySum(state.catalogue, state.SpotStake, task.number);
    const PayVerdict verdict = CheckPayAnswer(sum, m_window->answerText().toStdString());
    m_window->ShowVerdict(Text(verdict.text));
    if (verdict.counted) {
        Record(task.bet.call.bet, verdict.right, {});
    }
}

void DrillsUnit::Choose(int index) {
    if (!m_run || !m_run->name || m_run->checked) {
        return;
    }
    const NameTask& task = *m_run->name;
    const NameVerdict verdict =
        CheckName(m_table.state().catalogue, task, static_cast<std::size_t>(index));
    m_window->ShowVerdict(Text(verdict.text), !verdict.right);
    if (!verdict.right) {
        m_table.ShowPair(verdict.rightMarks, verdict.chosenMarks);
    }
    Record(task.bet.call.bet, verdict.right, verdict.missed);
}

// Pressing a button before checking counts the task as wrong.
void DrillsUnit::TakePress() {
    Run& run = *m_run;
    if (run.checked) {
        return;
    }
    const PlaceVerdict answer =
        run.hear ? CheckHear(*run.hear, Stakes{}) : CheckPlace(*run.place, Stakes{});
    m_window->ShowVerdict(Text(ButtonPressedVerdict().text), true);
    m_table.ShowPair(answer.missingPerNumber, {});
    Record(run.hear ? run.hear->calls.front().call.bet : run.place->call.bet, false,
           answer.missing);
}
