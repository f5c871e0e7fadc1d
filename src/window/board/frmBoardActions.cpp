// The six actions around the table: undo, rebet, clear, double, spin and the
// session's statistics. Each does nothing while the ball is running.
#include "window/board/frmBoard.h"

#include "window/board/AnnouncedPreview.h"

#include "betting/LayoutActions.h"
#include "table/ActionRules.h"
#include "window/board/BoardTable.h"
#include "window/board/UndoStep.h"
#include "window/common/TableTexts.h"
#include "window/statistics/StatisticsUnit.h"
#include "window/zoom/ZoomUnit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>

namespace {

enum ActionIndex : std::size_t { kUndo, kRebet, kClear, kDouble, kSpin, kStatistics };

struct ActionRow {
    const char* name;
    const char* text;
    QKeySequence shortcut;
};

// None of these is a key the combo boxes' editors use, so the table takes
// nothing from typing: Ctrl+Z is the editor's own undo while it has the focus
// (it claims the key first) and the table's everywhere else; Ctrl+R, Ctrl+L,
// Ctrl+Shift+D, F5 and Ctrl+T mean nothing to a line edit or a combo box.
// Plain keys would type, and Ctrl+D deletes a character on X11.
const std::array<ActionRow, 6>& ActionRows() {
    static const std::array<ActionRow, 6> rows = {{
        {"actUndo", QT_TRANSLATE_NOOP("frmBoard", "&Undo"), QKeySequence(QKeySequence::Undo)},
        {"actRebet", QT_TRANSLATE_NOOP("frmBoard", "&Rebet"), QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"actClear", QT_TRANSLATE_NOOP("frmBoard", "&Clear"), QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"actDouble", QT_TRANSLATE_NOOP("frmBoard", "&Double"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
        {"actSpin", QT_TRANSLATE_NOOP("frmBoard", "&Spin"), QKeySequence(Qt::Key_F5)},
        {"actStatistics", QT_TRANSLATE_NOOP("frmBoard", "S&tatistics"),
         QKeySequence(Qt::CTRL | Qt::Key_T)},
    }};
    return rows;
}

} // namespace

// The actions belong to the table, so their keys work whether it stands
// alone or inside the main window, which lists them in its menus.
void frmBoard::CreateActions() {
    for (std::size_t i = 0; i < m_actions.size(); ++i) {
        const ActionRow& row = ActionRows().at(i);
        auto* action = new QAction(QCoreApplication::translate("frmBoard", row.text), this);
        action->setObjectName(QLatin1String(row.name));
        action->setShortcut(row.shortcut);
        addAction(action);
        m_actions.at(i) = action;
    }
    connect(m_actions[kUndo], &QAction::triggered, this, &frmBoard::actUndo_Triggered);
    connect(m_actions[kRebet], &QAction::triggered, this, [this] {
        RunLayoutAction([this] { return Rebet(m_state, m_session.lastSpin); },
                        frmBoard::tr("The rebet stopped there."), true);
    });
    connect(m_actions[kClear], &QAction::triggered, this, [this] {
        RunLayoutAction([this] { return ClearStakes(m_state); },
                        frmBoard::tr("Clearing stopped there."));
    });
    connect(m_actions[kDouble], &QAction::triggered, this, [this] {
        RunLayoutAction([this] { return DoubleStakes(m_state); },
                        frmBoard::tr("The double stopped there."), true);
    });
    connect(m_actions[kSpin], &QAction::triggered, this, &frmBoard::cmdSpin_Click);
    connect(m_actions[kStatistics], &QAction::triggered, m_statistics, &StatisticsUnit::Show);
    FollowTableChange();
}

// Drawn as any accepted change is; a refusal's message is the one a press shows.
void frmBoard::RunLayoutAction(const std::function<LayoutRun()>& action, const QString& notDone,
                               bool placesBet) {
    if (m_state.Spinning) {
        return;
    }
    const UndoStep step(*this);
    LayoutRun run;
    if (!RunGuarded([&] { run = action(); }, notDone)) {
        return;
    }
    for (const std::int16_t spot : run.changed) {
        RedrawSpot(spot);
    }
    RedrawTotals();
    if (placesBet && !run.changed.empty()) {
        emit m_table->patternStaked();
    }
    if (run.refusal) {
        ShowMessage(RefusalMessage(*run.refusal));
    }
}

void frmBoard::actUndo_Triggered() {
    if (m_session.journal.Undo(m_state)) {
        RedrawAllSpots();
        RedrawTotals();
    }
    FollowTableChange();
}

// A press on the table also takes the keyboard from the two editors, which
// pictures would leave with them: the Undo key then undoes the press, where
// in an editor it would only undo typing.
void frmBoard::JournalStep(const StakeSnapshot& before) {
    m_session.journal.Record(before, m_state);
    FollowTableChange();
    const QWidget* focused = QApplication::focusWidget();
    if (focused && (m_cmbNumber->isAncestorOf(focused) || m_cmbNeighb->isAncestorOf(focused))) {
        setFocus(Qt::MouseFocusReason);
    }
}

void frmBoard::BeginRound() {
    BeginSpin(m_session, m_state);
    FollowTableChange();
}

void frmBoard::EndRound(std::int16_t number, std::int32_t spinWin) {
    EndSpin(m_session, m_state, number, spinWin);
    emit m_table->spinSettled(true, number);
}

// The actions and the announced preview follow every change of the stakes
// and every start and end of a spin, whichever control or key made it.
void frmBoard::FollowTableChange() {
    if (m_preview) {
        m_preview->Refresh();
    }
    emit m_table->stakesChanged();
    ApplyActionRules();
}

// Only the actions that have a rule; the others are always usable.
void frmBoard::ApplyActionRules() {
    const TableMoment moment{m_state.Spinning, m_table->held(), DrillOpen(),
                             m_session.journal.CanUndo(),
                             m_zoom ? m_zoom->percent() : kDefaultZoom};
    for (QAction* action : findChildren<QAction*>()) {
        if (const ActionRule* rule = RuleFor(action->objectName().toStdString())) {
            action->setEnabled(Allowed(*rule, moment));
        }
    }
}
