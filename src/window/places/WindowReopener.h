#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class Table;

// The extra windows open at the last exit open again once the table is up,
// each at its remembered place (window/common/WindowPlaces.h), and the
// keyboard stays with the table. The strategy tester is not among them: it
// needs chips on the table, and the table starts empty. Nor is the practice
// window: a drill is begun by the player's choice, never by a start.
class WindowReopener : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QString key; // the window's objectName, which its place is kept by
        std::function<void()> open;
    };
    // Reopens after the constructor's caller is done, so the table shows first.
    WindowReopener(Table& table, std::vector<Window> windows);

  private:
    void Reopen();

    Table& m_table;
    std::vector<Window> m_windows;
};
