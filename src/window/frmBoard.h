#pragma once

#include "table/GameState.h"
#include "table/RandomSource.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class HelpViewer;
class Picture;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

// The table window. It owns the whole game state; its controls only show it.
// Building the window runs the start-up (Form_Load).
class frmBoard : public QWidget {
    Q_OBJECT
  public:
    // A null random source means one seeded from the clock.
    explicit frmBoard(QWidget* parent = nullptr, std::unique_ptr<RandomSource> random = nullptr);
    ~frmBoard() override;

    const GameState& state() const { return m_state; }
    // For tests that set up a position directly; redraw afterwards.
    GameState& stateForTest() { return m_state; }

    // The view: each redraws its controls from the state alone.
    void RedrawSpot(std::int16_t s);
    void RedrawAllSpots();
    void RedrawTotals();
    void RedrawHistory();
    void RedrawBall();
    void RedrawSelectors();

    // Null until Help is first pressed.
    HelpViewer* helpViewer() const;

  private slots:
    void cmdExit_Click();
    void cmdHelp_Click();

  private:
    void Form_Load();
    void CreateControls();
    void FindControls();
    void FillComboBoxes();
    void PlaceSpotChips();
    void ConnectHandlers();
    template <class T> T* Control(const QString& name) const;

    GameState m_state;
    std::unique_ptr<RandomSource> m_random;

    std::array<Picture*, kSpotCount> m_imgChip{};
    std::array<QLabel*, kSpotCount> m_lblChip{};
    std::array<QLabel*, kChipCount> m_lblChipColour{};
    std::array<QLabel*, 4> m_lblTable{}; // by table index: $1, $2, $5, $10
    std::array<QLineEdit*, kHistoryCount> m_txtLastNumber{};
    QLineEdit* m_txtWinSpin = nullptr;
    QLineEdit* m_txtBetValue = nullptr;
    QLineEdit* m_txtWinTotal = nullptr;
    QComboBox* m_cmbNeighb = nullptr;
    QComboBox* m_cmbNumber = nullptr;
    QWidget* m_shpBall = nullptr;
    QTimer* m_tmrDelay = nullptr;
    QPointer<HelpViewer> m_helpViewer;
};
