// Saved layouts: the player saves the stakes lying on the table under a name
// and puts them back later from the Layouts menu, as one undoable step.
#include "window/board/frmBoard.h"

#include "window/board/AnnouncedPreview.h"
#include "window/board/UndoStep.h"
#include "window/common/AfterFirstFrame.h"
#include "window/layouts/dlgLayouts.h"

#include <QAction>
#include <QInputDialog>
#include <QKeySequence>
#include <QMenu>
#include <QRandomGenerator>

#include <utility>

namespace {

// Shown as typed: a '&' is not taken as a mnemonic.
QString MenuText(const std::string& name) {
    return QString::fromStdString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

// The layout actions live on a child of no size, so their keys work whether
// the table stands alone or inside the main window, while the table's own
// list of actions stays as it was.
void frmBoard::ConnectLayouts() {
    m_layoutKeys = new QWidget(this);
    m_layoutKeys->setObjectName(QStringLiteral("layoutKeys"));
    m_layoutKeys->setGeometry(0, 0, 0, 0);
    auto* save = new QAction(QStringLiteral("Save &layout..."), this);
    save->setObjectName(QStringLiteral("actSaveLayout"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_layoutKeys->addAction(save);
    m_actSaveLayout = save;
    connect(save, &QAction::triggered, this, &frmBoard::actSaveLayout_Triggered);
    auto* manage = new QAction(QStringLiteral("&Manage layouts..."), this);
    manage->setObjectName(QStringLiteral("actManageLayouts"));
    m_layoutKeys->addAction(manage);
    connect(manage, &QAction::triggered, this, &frmBoard::actManageLayouts_Triggered);
    m_mnuLayouts = new QMenu(QStringLiteral("La&youts"), this);
    m_mnuLayouts->setObjectName(QStringLiteral("mnuLayouts"));
    // A file moved aside is told once the table stands, not before it is drawn.
    DataStore::Result loaded = m_layoutStore.Load();
    const QString notice = std::exchange(loaded.notice, QString());
    ShowLayouts(loaded);
    if (!notice.isEmpty()) {
        RunAfterFirstFrame(this, [this, notice] { ShowMessage(notice); });
    }
}

// Rebuilds the menu from the records as the store last gave them, and tells
// the player once about a file moved aside or a change not saved.
void frmBoard::ShowLayouts(const DataStore::Result& result) {
    for (QAction* action : m_layoutActions) {
        delete action;
    }
    m_layoutActions.clear();
    const auto layouts = ReadLayouts(result.records).value_or(std::vector<SavedLayout>{});
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        auto* action = new QAction(MenuText(layouts[i].name), this);
        action->setObjectName(QStringLiteral("actLayout(%1)").arg(i));
        if (i < 9) {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
        }
        const SpotStakes stakes = layouts[i].stakes;
        connect(action, &QAction::triggered, this, [this, stakes] { PlaceSavedLayout(stakes); });
        m_mnuLayouts->addAction(action);
        m_layoutKeys->addAction(action);
        m_layoutActions.append(action);
    }
    m_mnuLayouts->setEnabled(!layouts.empty());
    UpdateLayoutActions();
    if (m_dlgLayouts) {
        m_dlgLayouts->ShowLayouts(result.records);
    }
    for (const QString& text : {result.notice, result.error}) {
        if (!text.isEmpty()) {
            ShowMessage(text);
        }
    }
}

// Saving and placing wait, as the table's own actions do, while the ball
// runs or autoplay plays: an added stake would change what autoplay plays.
// A drill's layout is practice, and a saved one would answer Place it.
void frmBoard::UpdateLayoutActions() {
    const bool idle = TableIdle() && !DrillOpen();
    if (m_actSaveLayout) {
        m_actSaveLayout->setEnabled(idle);
    }
    for (QAction* action : m_layoutActions) {
        action->setEnabled(idle);
    }
}

void frmBoard::actSaveLayout_Triggered() {
    if (m_state.Spinning) {
        return;
    }
    if (!HasStake(m_state.SpotStake)) {
        ShowMessage(QStringLiteral("There is no stake on the table to save as a layout."));
        return;
    }
    bool ok = false;
    const QString offered = QStringLiteral("Layout %1").arg(m_layoutActions.size() + 1);
    const QString name = QInputDialog::getText(this, windowTitle(), QStringLiteral("Layout name:"),
                                               QLineEdit::Normal, offered, &ok);
    if (!ok) {
        return;
    }
    SavedLayout layout{{}, name.toStdString(), m_state.SpotStake};
    ShowLayouts(m_layoutStore.Update([layout](StoredRecords& records) mutable {
        layout.id = NewLayoutId(ReadLayouts(records).value_or(std::vector<SavedLayout>{}),
                                [] { return QRandomGenerator::global()->generate64(); });
        AddLayout(records, layout);
    }));
}

void frmBoard::PlaceSavedLayout(const SpotStakes& stakes) {
    RunLayoutAction([this, &stakes] { return AddStakes(m_state, stakes); },
                    QStringLiteral("Placing the layout stopped there."));
}

void frmBoard::actManageLayouts_Triggered() {
    if (!m_dlgLayouts) {
        m_dlgLayouts = new dlgLayouts(
            this, m_layoutStore, [this](const DataStore::Result& r) { ShowLayouts(r); },
            [this](const SpotStakes* stakes) { PreviewLayout(stakes); });
    }
    ShowLayouts(m_layoutStore.Load()); // the dialog with it
    m_dlgLayouts->show();
    m_dlgLayouts->raise();
}

// Marks what the hovered layout covers, as hovering a button does; never
// while the ball runs, and never over another preview's marks.
void frmBoard::PreviewLayout(const SpotStakes* stakes) {
    if (!m_preview || m_preview->hovered()) {
        return;
    }
    if (!stakes || m_state.Spinning) {
        m_preview->ClearMarks();
        return;
    }
    m_preview->ShowMarks(SpotsCoveringEachNumber(*stakes));
}
