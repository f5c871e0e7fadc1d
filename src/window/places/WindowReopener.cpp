#include "window/places/WindowReopener.h"

#include "window/common/AfterFirstFrame.h"
#include "window/common/SettingsFile.h"
#include "window/common/Table.h"
#include "window/common/WindowPlaces.h"

#include <QTimer>
#include <QWidget>

WindowReopener::WindowReopener(Table& table, std::vector<Window> windows)
    : QObject(&table), m_table(table), m_windows(std::move(windows)) {
    setObjectName(QStringLiteral("windowReopener"));
    QTimer::singleShot(0, this, &WindowReopener::Reopen);
}

// Which were open is read before any opens: opening one writes the file.
void WindowReopener::Reopen() {
    std::vector<const Window*> open;
    for (const Window& window : m_windows) {
        if (WindowPlaces::WasOpen(window.key)) {
            open.push_back(&window);
        }
    }
    for (const Window* window : open) {
        window->open();
    }
    if (!open.empty()) {
        m_table.owner()->window()->activateWindow();
    }
    // A settings file moved aside is told once the table stands.
    RunAfterFirstFrame(m_table.owner(), [this] {
        if (const QString notice = SettingsFile::TakeNotice(); !notice.isEmpty()) {
            m_table.ShowMessage(notice);
        }
    });
}
