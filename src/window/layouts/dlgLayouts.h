#pragma once

#include "betting/SavedLayouts.h"
#include "window/common/DataStore.h"

#include <QWidget>

#include <functional>
#include <vector>

class QListWidget;
class QListWidgetItem;

// Renames, deletes and reorders the saved layouts. Each change is made by the
// layout's id on the file as it is then, and `changed` gets the outcome so
// the table can list the layouts anew.
class dlgLayouts : public QWidget {
    Q_OBJECT
  public:
    using Changed = std::function<void(const DataStore::Result&)>;
    // The stakes of the layout under the pointer, or null when it leaves.
    using Previewed = std::function<void(const SpotStakes*)>;
    dlgLayouts(QWidget* owner, const DataStore& store, Changed changed, Previewed previewed);

    // Lists the layouts as the store last gave them.
    void ShowLayouts(const StoredRecords& records);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Preview(const QListWidgetItem* item);
    void Apply(const std::function<bool(StoredRecords&, const std::string& id)>& change);
    void Rename();

    const DataStore& m_store;
    Changed m_changed;
    Previewed m_previewed;
    QListWidget* m_lstLayouts = nullptr;
    std::vector<SavedLayout> m_layouts; // as listed, row by row
};
