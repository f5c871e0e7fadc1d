#pragma once

#include "table/GameState.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <array>

class QWidget;

// Tool tips and the names a screen reader gives to every control. What
// depends on the play is worked out when it is asked for (the bet under the
// pointer, a chip lying on the layout) or renewed when it changes (the
// outside areas' limits, on a change of table).
class ControlHelp : public QObject {
    Q_OBJECT
  public:
    ControlHelp(QWidget* board, const GameState& state, const QHash<QString, QWidget*>& controls);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void NameFixedControls(const QHash<QString, QWidget*>& controls);
    void NameSelectors(const QHash<QString, QWidget*>& controls);
    void NameSpotChips(const QHash<QString, QWidget*>& controls);
    void NameResultBoxes(const QHash<QString, QWidget*>& controls);
    void DescribeSpot(QObject* watched);
    // The outside areas tell the limits of the table selected now.
    void DescribeOutsideAreas();
    // The tip for a point of the layout picture or a chip lying on it; empty
    // where no bet lies.
    QString TipAt(QObject* watched, QPoint position) const;

    const GameState& m_state;
    QWidget* m_layout = nullptr;
    std::array<QWidget*, kSpotCount> m_spotChips{};  // imgChip(s)
    std::array<QWidget*, kSpotCount> m_spotLabels{}; // lblChip(s)
    QHash<QWidget*, std::int16_t> m_outsideAreas;
};
