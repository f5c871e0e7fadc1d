// The drills' tasks on the table: each one starts from a cleared layout and
// stakes what it shows through the table's own presses, so the chips, the
// totals and the limits are exactly the ones of play.
#include "window/board/frmBoard.h"

#include "practice/DrillCheck.h"
#include "practice/PaySum.h"
#include "window/board/AnnouncedPreview.h"
#include "window/board/BoardTable.h"
#include "window/board/PracticeRun.h"
#include "window/practice/frmPractice.h"

#include <QComboBox>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

// Next on a task not yet checked skips it, uncounted.
void frmBoard::NewDrillTask() {
    PracticeRun& run = *m_practice;
    run.checked = false;
    run.place.reset();
    run.name.reset();
    run.pay.reset();
    m_table->DivertAnnouncedPresses(nullptr);
    ClearLayoutForDrill();
    const int level = m_frmPractice->level();
    const Drill drill = m_frmPractice->drill();
    m_preview->SetSilenced(drill == Drill::PlaceIt);
    m_frmPractice->SetAnswered(false);
    if (drill == Drill::PlaceIt) {
        NewPlaceTask(level);
    } else if (drill == Drill::NameIt) {
        NewNameTask(level);
    } else {
        NewPayTask(level);
    }
    // Undo takes back the player's own presses on this task only: not the
    // drill's laying of it, nor a task gone by.
    m_session.journal.Clear();
    ShowDrillProgress();
    FollowTableChange();
}

void frmBoard::NewPlaceTask(int level) {
    const PlacedBet& task =
        m_practice->place.emplace(DrawPlaceTask(m_state, level, m_practice->random));
    m_table->DivertAnnouncedPresses([this] { DrillTakesPress(); });
    m_state.TableIndex = task.tableIndex;
    m_state.ChipIndex = task.chipIndex;
    RedrawSelectors();
    m_frmPractice->ShowTask(
        QStringLiteral("Place %1 at %2.").arg(Text(task.title), Text(task.piece)));
}

void frmBoard::NewNameTask(int level) {
    const NameTask& task =
        m_practice->name.emplace(DrawNameTask(m_state, level, m_practice->random));
    PressDrillBet(task.bet);
    std::array<QString, 4> choices;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        choices.at(i) = Text(task.choices.at(i));
    }
    m_frmPractice->ShowChoices(choices);
    m_frmPractice->ShowTask(
        QStringLiteral("Which bet lies on the layout, at %1?").arg(Text(task.bet.piece)));
}

// The call bet by its button; the chips by hand one press each, as a player would.
void frmBoard::NewPayTask(int level) {
    const PayTask& task = m_practice->pay.emplace(DrawPayTask(m_state, level, m_practice->random));
    PressDrillBet(task.bet);
    const int piece = std::max<int>(task.bet.pieceValue, 1);
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        for (int extra = task.stakes.at(spot) - m_state.SpotStake.at(spot); extra > 0;
             extra -= piece) {
            StakeSpot(spot, kLeftButton);
        }
    }
    m_frmPractice->ShowTask(QStringLiteral("%1. What is paid?").arg(Text(task.text)));
}

// The press reads "Either Side" from its box, so the box holds the task's
// count for the press only; the player's text is back before anything draws.
void frmBoard::PressDrillBet(const PlacedBet& bet) {
    m_state.TableIndex = bet.tableIndex;
    m_state.ChipIndex = bet.chipIndex;
    RedrawSelectors();
    const QString eitherSide = m_cmbNeighb->currentText();
    m_cmbNeighb->setEditText(Text(bet.call.neighb));
    Announced_MouseDown(bet.call.bet, Qt::LeftButton, bet.call.cover);
    m_cmbNeighb->setEditText(eitherSide);
}

void frmBoard::CheckDrill() {
    if (m_practice->checked) {
        return;
    }
    if (m_practice->place) {
        CheckPlaceTask();
    } else if (m_practice->pay) {
        CheckPayTask();
    }
}

void frmBoard::CheckPlaceTask() {
    const PlacedBet& task = *m_practice->place;
    const PlaceVerdict verdict = CheckPlace(task, m_state.SpotStake);
    m_frmPractice->ShowVerdict(Text(verdict.text), !verdict.right);
    if (!verdict.right) {
        m_preview->ShowPair(verdict.missingPerNumber, verdict.extraPerNumber);
    }
    RecordDrill(task.call.bet, verdict.right, verdict.missing);
}

// The sum is of what lies on the layout, as the croupier would pay it.
void frmBoard::CheckPayTask() {
    const PayTask& task = *m_practice->pay;
    const PayBreakdown sum = PaySum(m_state.catalogue, m_state.SpotStake, task.number);
    const PayVerdict verdict = CheckPayAnswer(sum, m_frmPractice->answerText().toStdString());
    m_frmPractice->ShowVerdict(Text(verdict.text));
    if (verdict.counted) {
        RecordDrill(task.bet.call.bet, verdict.right, {});
    }
}

void frmBoard::ChooseDrill(int index) {
    if (!m_practice || !m_practice->name || m_practice->checked) {
        return;
    }
    const NameTask& task = *m_practice->name;
    const NameVerdict verdict = CheckName(m_state.catalogue, task, static_cast<std::size_t>(index));
    m_frmPractice->ShowVerdict(Text(verdict.text), !verdict.right);
    if (!verdict.right) {
        m_preview->ShowPair(verdict.rightMarks, verdict.chosenMarks);
    }
    RecordDrill(task.bet.call.bet, verdict.right, verdict.missed);
}

// In Place it the bet is built by hand: a button shows the answer, and
// pressing it before checking counts the task as wrong. The drill's own
// presses of the other drills go through.
bool frmBoard::DrillTakesPress() {
    if (!m_practice || !m_practice->place) {
        return false;
    }
    PracticeRun& run = *m_practice;
    if (!run.checked) {
        const PlaceVerdict answer = CheckPlace(*run.place, Stakes{});
        m_frmPractice->ShowVerdict(Text(ButtonPressedVerdict().text), true);
        m_preview->ShowPair(answer.missingPerNumber, {});
        RecordDrill(run.place->call.bet, false, answer.missing);
    }
    return true;
}
