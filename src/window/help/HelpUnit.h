#pragma once

#include <QObject>
#include <QPointer>

class HelpViewer;
class Table;

// The help page in a viewer beside the table.
class HelpUnit : public QObject {
    Q_OBJECT
  public:
    explicit HelpUnit(Table& table);

    // Opens beside the table the first time, and is reused after that.
    void Show();
    // Null until first shown.
    HelpViewer* viewer() const;

  private:
    Table& m_table;
    QPointer<HelpViewer> m_viewer;
};
