// Hear it on the table: the call is spoken, never shown, until the answer is
// checked; the player builds it by hand. At level 4 the calls come one after
// another on the drill's own clock, and "No more bets" checks the layout.
#include "window/practice/DrillsUnit.h"

#include "window/common/Table.h"
#include "window/common/TableTexts.h"
#include "window/practice/frmPractice.h"

namespace {

QString Listen() {
    return DrillsUnit::tr("Listen to the call and place it.");
}
QString NoVoice() {
    return DrillsUnit::tr("No voice speaks here, so the call is written above: place it as read.");
}

} // namespace

void DrillsUnit::NewHearTask(int level) {
    Run& run = *m_run;
    const HearTask& task = run.hear.emplace(DrawHearTask(m_table.state(), level, run.random));
    m_table.DivertAnnouncedPresses([this] { TakePress(); });
    m_table.SetChipAndTable(task.chipIndex, task.tableIndex);
    const bool stream = HearLevelRules(level).stream;
    run.voiced = true;
    m_window->ShowTask(Listen()); // starts the task's clock, and so the stream
    if (!stream) {
        SayCall(SpokenText(task.sentence));
        if (!run.voiced) {
            m_window->ShowTaskText(SpokenText(task.sentence));
            m_window->ShowVerdict(NoVoice());
        }
    }
    m_window->ShowCountdown(stream ? std::optional<int>(SecondsLeft(0)) : std::nullopt);
}

// Without a voice the drill reads: the calls are written as they come.
void DrillsUnit::SayCall(const QString& sentence) {
    m_run->voiced = m_speak(sentence) && m_run->voiced;
}

void DrillsUnit::Repeat() {
    if (!m_run || !m_run->hear) {
        return;
    }
    const HearTask& task = *m_run->hear;
    if (!HearLevelRules(m_window->level()).stream) {
        SayCall(SpokenText(task.sentence));
        return;
    }
    const std::size_t calls = std::min(m_run->spoken, task.texts.size());
    SayCall(SpokenText(
        CallSentence({task.texts.begin(), task.texts.begin() + static_cast<long>(calls)})));
}

// Says each step whose time has come; at "No more bets" what lies on the
// layout is the answer, and the layout takes no press until Next.
void DrillsUnit::StreamTick() {
    if (!m_run || !m_run->hear || m_run->checked || !HearLevelRules(m_window->level()).stream) {
        return;
    }
    Run& run = *m_run;
    const int elapsed = m_window->ElapsedMs();
    const auto steps = StreamSchedule(*run.hear);
    while (run.spoken < steps.size() && steps.at(run.spoken).atMs <= elapsed) {
        const StreamStep& step = steps.at(run.spoken++);
        SayCall(SpokenText(step.sentence));
        if (!run.voiced && !step.noMoreBets) {
            m_window->ShowTaskText(SpokenText(
                CallSentence({run.hear->texts.begin(),
                              run.hear->texts.begin() + static_cast<long>(run.spoken)})));
            m_window->ShowVerdict(NoVoice());
        }
        if (step.noMoreBets) {
            m_table.blockInput(true);
            CheckHearTask();
        }
    }
    m_window->ShowCountdown(SecondsLeft(elapsed));
}

// At level 4 only "No more bets" checks: Check before it does nothing.
bool DrillsUnit::HearCheckOpen() const {
    return !HearLevelRules(m_window->level()).stream ||
           m_run->spoken >= StreamSchedule(*m_run->hear).size();
}

void DrillsUnit::CheckHearTask() {
    const HearTask& task = *m_run->hear;
    const PlaceVerdict verdict = CheckHear(task, m_table.state().SpotStake);
    m_window->ShowVerdict(TableText(verdict.text), !verdict.right);
    if (!verdict.right) {
        m_table.ShowPair(verdict.missingPerNumber, verdict.extraPerNumber);
    }
    Record(task.calls.front().call.bet, verdict.right, verdict.missing);
}
