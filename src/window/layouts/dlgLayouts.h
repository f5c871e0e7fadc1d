#pragma once

#include "window/common/DataStore.h"

#include <QWidget>

#include <functional>

class QListWidget;

// Renames, deletes and reorders the saved layouts. Each change is made by the
// layout's id on the file as it is then, and `changed` gets the outcome so
// the table can list the layouts anew.
class dlgLayouts : public QWidget {
    Q_OBJECT
  public:
    using Changed = std::function<void(const DataStore::Result&)>;
    dlgLayouts(QWidget* owner, const DataStore& store, Changed changed);

    // Lists the layouts as the store last gave them.
    void ShowLayouts(const StoredRecords& records);

  private:
    void Apply(const std::function<bool(StoredRecords&, const std::string& id)>& change);
    void Rename();

    const DataStore& m_store;
    Changed m_changed;
    QListWidget* m_lstLayouts = nullptr;
};
