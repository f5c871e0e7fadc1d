#include "window/help/HelpUnit.h"

#include "window/common/Table.h"
#include "window/common/WindowPlaces.h"
#include "window/help/HelpViewer.h"

HelpUnit::HelpUnit(Table& table) : QObject(&table), m_table(table) {
    setObjectName(QStringLiteral("helpUnit"));
}

void HelpUnit::Show() {
    if (!m_viewer) {
        QWidget* owner = m_table.owner();
        m_viewer = new HelpViewer(owner);
        WindowPlaces::PlaceBeside(m_viewer, owner->window(),
                                  owner->window()->frameGeometry().top());
        WindowPlaces::Track(m_viewer, m_viewer->objectName());
    }
    m_viewer->showFile(HelpViewer::DefaultPath());
}

HelpViewer* HelpUnit::viewer() const {
    return m_viewer;
}
