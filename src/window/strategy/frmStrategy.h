#pragma once

#include "table/GameState.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class StrategyRun;
struct SimulationSettings;
struct SimulationSummary;

// The strategy tester: plays the table's layout, scaled by a progression,
// over many simulated sessions, never with the table's own money. It never
// blocks the table and does not keep the program running once the table is
// closed.
class frmStrategy : public QWidget {
    Q_OBJECT
  public:
    explicit frmStrategy(QWidget* owner);

    // The base for the next run: the table's stakes and its selected table.
    void SetBase(const GameState& state);
    // For tests: 0 runs on every thread the machine has.
    void SetThreadCount(int threads) { m_threads = threads; }

  private:
    void CreateInputs();
    void CreateResults();
    void CreateCharts();
    SimulationSettings Settings() const;
    void cmdRun_Click();
    void cmdCancel_Click();
    void ShowProgress(qint64 done, qint64 total);
    void ShowSummary();
    void ShowCharts(const SimulationSummary& summary);
    void SetRunning(bool running);

    Catalogue m_catalogue;
    TableLimits m_limits;
    std::int16_t m_table = 0;
    std::array<std::int16_t, kSpotCount> m_stakes{};
    int m_threads = 0;

    QLabel* m_lblBase = nullptr;
    QSpinBox* m_spnSessions = nullptr;
    QSpinBox* m_spnSessionSpins = nullptr;
    QSpinBox* m_spnBankroll = nullptr;
    QSpinBox* m_spnTarget = nullptr;
    QSpinBox* m_spnSeed = nullptr;
    QComboBox* m_cmbProgression = nullptr;
    QPushButton* m_cmdRun = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QProgressBar* m_barProgress = nullptr;
    QLabel* m_lblState = nullptr;
    std::array<QLabel*, 8> m_results{};
    QWidget* m_chtPaths = nullptr;
    QWidget* m_chtFinals = nullptr;
    StrategyRun* m_run = nullptr;
};
