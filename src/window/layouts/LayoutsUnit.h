#pragma once

#include "betting/SavedLayouts.h"
#include "window/common/DataStore.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;
class Table;
class dlgLayouts;

// Saved layouts: the player saves the stakes lying on the table under a name
// and puts them back later from the Layouts menu, as one undoable step.
class LayoutsUnit : public QObject {
    Q_OBJECT
  public:
    // Lists the layouts on file at once, and tells the player once about a
    // file moved aside.
    LayoutsUnit(Table& table, DataStore store);
    // The player's layouts file, held to the layouts' own rules.
    static DataStore Store();

    QMenu* menu() const { return m_menu; }
    dlgLayouts* dialog() const;

  signals:
    // The menu's actions were made anew: what may be used must be decided for them.
    void listed();

  private:
    void Save();
    void Manage();
    // Rebuilds the menu from the records as the store last gave them, and
    // tells the player once about a file moved aside or a change not saved.
    void ShowLayouts(const DataStore::Result& result);
    // Marks what the hovered layout covers, as hovering a button does.
    void Preview(const SpotStakes* stakes);

    Table& m_table;
    DataStore m_store;
    QWidget* m_keys; // holds the layout actions, so their keys work on the table
    QMenu* m_menu;
    QList<QAction*> m_actions;
    QPointer<dlgLayouts> m_dialog; // built on first use
};
