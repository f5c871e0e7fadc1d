#include "window/layouts/dlgLayouts.h"

#include "betting/SavedLayouts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

dlgLayouts::dlgLayouts(QWidget* owner, const DataStore& store, Changed changed, Previewed previewed)
    : QWidget(owner, Qt::Window), m_store(store), m_changed(std::move(changed)),
      m_previewed(std::move(previewed)) {
    setObjectName(QStringLiteral("dlgLayouts"));
    setWindowTitle(tr("Velmora Layouts"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_lstLayouts = new QListWidget(this);
    m_lstLayouts->setObjectName(QStringLiteral("lstLayouts"));
    m_lstLayouts->setMouseTracking(true);
    m_lstLayouts->viewport()->installEventFilter(this);
    connect(m_lstLayouts, &QListWidget::itemEntered, this, &dlgLayouts::Preview);
    auto* buttons = new QVBoxLayout;
    auto* rename = Button(this, "cmdRename", tr("&Rename..."));
    auto* remove = Button(this, "cmdDelete", tr("&Delete"));
    auto* up = Button(this, "cmdUp", tr("&Up"));
    auto* down = Button(this, "cmdDown", tr("Do&wn"));
    for (QPushButton* button : {rename, remove, up, down}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_lstLayouts, 1);
    layout->addLayout(buttons);
    connect(rename, &QPushButton::clicked, this, &dlgLayouts::Rename);
    connect(remove, &QPushButton::clicked, this, [this] { Apply(DeleteLayout); });
    connect(up, &QPushButton::clicked, this, [this] {
        Apply([](StoredRecords& r, const std::string& id) { return MoveLayout(r, id, -1); });
    });
    connect(down, &QPushButton::clicked, this, [this] {
        Apply([](StoredRecords& r, const std::string& id) { return MoveLayout(r, id, 1); });
    });
}

void dlgLayouts::ShowLayouts(const StoredRecords& records) {
    const QString selected = m_lstLayouts->currentItem()
                                 ? m_lstLayouts->currentItem()->data(Qt::UserRole).toString()
                                 : QString();
    m_previewed(nullptr); // the rows and their stakes are about to change
    m_lstLayouts->clear();
    m_layouts = ReadLayouts(records).value_or(std::vector<SavedLayout>{});
    for (const SavedLayout& layout : m_layouts) {
        auto* item = new QListWidgetItem(QString::fromStdString(layout.name), m_lstLayouts);
        item->setData(Qt::UserRole, QString::fromStdString(layout.id));
        if (item->data(Qt::UserRole).toString() == selected) {
            m_lstLayouts->setCurrentItem(item);
        }
    }
}

void dlgLayouts::Preview(const QListWidgetItem* item) {
    const int row = item ? m_lstLayouts->row(item) : -1;
    const bool listed = row >= 0 && row < static_cast<int>(m_layouts.size());
    m_previewed(listed ? &m_layouts[static_cast<std::size_t>(row)].stakes : nullptr);
}

// The pointer leaving the list, or the window closed, ends the preview.
bool dlgLayouts::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lstLayouts->viewport() && event->type() == QEvent::Leave) {
        m_previewed(nullptr);
    }
    return QWidget::eventFilter(watched, event);
}

void dlgLayouts::hideEvent(QHideEvent* event) {
    m_previewed(nullptr);
    QWidget::hideEvent(event);
}

// The selected layout's id, then the change on the file as it is now.
void dlgLayouts::Apply(const std::function<bool(StoredRecords&, const std::string& id)>& change) {
    const QListWidgetItem* item = m_lstLayouts->currentItem();
    if (!item) {
        return;
    }
    const std::string id = item->data(Qt::UserRole).toString().toStdString();
    const DataStore::Result result =
        m_store.Update([change, id](StoredRecords& records) { change(records, id); });
    ShowLayouts(result.records);
    m_changed(result);
}

void dlgLayouts::Rename() {
    const QListWidgetItem* item = m_lstLayouts->currentItem();
    if (!item) {
        return;
    }
    bool ok = false;
    const std::string name =
        QInputDialog::getText(this, QStringLiteral("Velmora"), QStringLiteral("Layout name:"),
                              QLineEdit::Normal, item->text(), &ok)
            .toStdString();
    if (ok) {
        Apply(
            [name](StoredRecords& r, const std::string& id) { return RenameLayout(r, id, name); });
    }
}
