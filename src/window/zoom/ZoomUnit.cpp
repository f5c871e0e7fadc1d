#include "window/zoom/ZoomUnit.h"

#include "table/ZoomSteps.h"
#include "window/common/Table.h"
#include "window/common/WindowPlaces.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace {

enum ZoomIndex : std::size_t { kIn, kOut, kReset };

// The platform's Zoom In key (Ctrl++ on most), and Ctrl+= so that the
// player need not reach for Shift on a keyboard with + above =.
QList<QKeySequence> ZoomInKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}) {
        if (!keys.contains(key)) {
            keys.append(key);
        }
    }
    return keys;
}

QList<QKeySequence> ZoomOutKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::ZoomOut);
    if (keys.isEmpty()) {
        keys.append(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    }
    return keys;
}

} // namespace

// The keys live on a child of no size rather than on the table, whose own
// actions() are the six of the table and the racetrack's; a shortcut needs a
// shown widget to belong to, so the child is shown but covers nothing.
ZoomUnit::ZoomUnit(Table& table) : QObject(&table), m_table(table) {
    setObjectName(QStringLiteral("zoomUnit"));
    auto* keys = new QWidget(table.owner());
    keys->setObjectName(QStringLiteral("zoomKeys"));
    keys->setGeometry(0, 0, 0, 0);
    const std::array<std::pair<const char*, const char*>, 3> rows = {{
        {"actZoomIn", QT_TR_NOOP("Zoom &In")},
        {"actZoomOut", QT_TR_NOOP("Zoom &Out")},
        {"actZoomReset", QT_TR_NOOP("Actual &Size")},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* action = new QAction(tr(rows.at(i).second), this);
        action->setObjectName(QLatin1String(rows.at(i).first));
        keys->addAction(action);
        m_actions.at(i) = action;
    }
    m_actions[kIn]->setShortcuts(ZoomInKeys());
    m_actions[kOut]->setShortcuts(ZoomOutKeys());
    m_actions[kReset]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(m_actions[kIn], &QAction::triggered, this,
            [this] { SetZoom(NextZoomStep(m_percent)); });
    connect(m_actions[kOut], &QAction::triggered, this,
            [this] { SetZoom(PreviousZoomStep(m_percent)); });
    connect(m_actions[kReset], &QAction::triggered, this, [this] { SetZoom(kDefaultZoom); });
}

void ZoomUnit::Restore() {
    const int stored = WindowPlaces::StoredZoom();
    if (stored != m_percent) {
        m_percent = stored;
        m_table.setZoom(ZoomFactor(stored));
        emit stepped();
    }
}

void ZoomUnit::SetZoom(int percent) {
    if (m_table.state().Spinning || percent == m_percent || !IsZoomStep(percent)) {
        return;
    }
    m_percent = percent;
    WindowPlaces::StoreZoom(percent);
    m_table.setZoom(ZoomFactor(percent));
    emit stepped();
}
