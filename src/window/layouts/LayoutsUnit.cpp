#include "window/layouts/LayoutsUnit.h"

#include "window/common/AfterFirstFrame.h"

#include "window/common/Table.h"
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
LayoutsUnit::LayoutsUnit(Table& table, DataStore store)
    : QObject(&table), m_table(table), m_store(std::move(store)),
      m_keys(new QWidget(table.owner())), m_menu(new QMenu(tr("La&youts"), table.owner())) {
    setObjectName(QStringLiteral("layoutsUnit"));
    m_keys->setObjectName(QStringLiteral("layoutKeys"));
    m_keys->setGeometry(0, 0, 0, 0);
    auto* save = new QAction(tr("Save &layout..."), this);
    save->setObjectName(QStringLiteral("actSaveLayout"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_keys->addAction(save);
    connect(save, &QAction::triggered, this, &LayoutsUnit::Save);
    auto* manage = new QAction(tr("&Manage layouts..."), this);
    manage->setObjectName(QStringLiteral("actManageLayouts"));
    m_keys->addAction(manage);
    connect(manage, &QAction::triggered, this, &LayoutsUnit::Manage);
    m_menu->setObjectName(QStringLiteral("mnuLayouts"));
    // A file moved aside is told once the table stands, not before it is drawn.
    DataStore::Result loaded = m_store.Load();
    const QString notice = std::exchange(loaded.notice, QString());
    ShowLayouts(loaded);
    if (!notice.isEmpty()) {
        RunAfterFirstFrame(table.owner(), [this, notice] { m_table.ShowMessage(notice); });
    }
}

DataStore LayoutsUnit::Store() {
    return {QStringLiteral("layouts.txt"), kLayoutsKind, kLayoutsVersion, tr("saved layouts"),
            [](const StoredRecords& r) { return ReadLayouts(r).has_value(); }};
}

dlgLayouts* LayoutsUnit::dialog() const {
    return m_dialog;
}

void LayoutsUnit::ShowLayouts(const DataStore::Result& result) {
    qDeleteAll(m_actions);
    m_actions.clear();
    const auto layouts = ReadLayouts(result.records).value_or(std::vector<SavedLayout>{});
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        auto* action = new QAction(MenuText(layouts[i].name), this);
        action->setObjectName(QStringLiteral("actLayout(%1)").arg(i));
        if (i < 9) {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
        }
        const SpotStakes stakes = layouts[i].stakes;
        connect(action, &QAction::triggered, this, [this, stakes] { m_table.PlaceStakes(stakes); });
        m_menu->addAction(action);
        m_keys->addAction(action);
        m_actions.append(action);
    }
    m_menu->setEnabled(!layouts.empty());
    emit listed();
    if (m_dialog) {
        m_dialog->ShowLayouts(result.records);
    }
    for (const QString& text : {result.notice, result.error}) {
        if (!text.isEmpty()) {
            m_table.ShowMessage(text);
        }
    }
}

void LayoutsUnit::Save() {
    const GameState& state = m_table.state();
    if (state.Spinning) {
        return;
    }
    if (!HasStake(state.SpotStake)) {
        m_table.ShowMessage(tr("There is no stake on the table to save as a layout."));
        return;
    }
    bool ok = false;
    QWidget* owner = m_table.owner();
    const QString offered = tr("Layout %1").arg(m_actions.size() + 1);
    const QString name = QInputDialog::getText(owner, owner->windowTitle(), tr("Layout name:"),
                                               QLineEdit::Normal, offered, &ok);
    if (!ok) {
        return;
    }
    SavedLayout layout{{}, name.toStdString(), m_table.state().SpotStake};
    ShowLayouts(m_store.Update([layout](StoredRecords& records) mutable {
        layout.id = NewLayoutId(ReadLayouts(records).value_or(std::vector<SavedLayout>{}),
                                [] { return QRandomGenerator::global()->generate64(); });
        AddLayout(records, layout);
    }));
}

void LayoutsUnit::Manage() {
    if (!m_dialog) {
        m_dialog = new dlgLayouts(
            m_table.owner(), m_store, [this](const DataStore::Result& r) { ShowLayouts(r); },
            [this](const SpotStakes* stakes) { Preview(stakes); });
    }
    ShowLayouts(m_store.Load()); // the dialog with it
    m_dialog->show();
    m_dialog->raise();
}

// Never while the ball runs, and never over a button's own preview.
void LayoutsUnit::Preview(const SpotStakes* stakes) {
    if (m_table.previewHovered()) {
        return;
    }
    if (!stakes || m_table.state().Spinning) {
        m_table.ClearMarks();
        return;
    }
    m_table.ShowMarks(SpotsCoveringEachNumber(*stakes));
}
