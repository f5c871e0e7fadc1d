#pragma once

#include "betting/AnnouncedBets.h"
#include "table/Catalogue.h"
#include "table/GameState.h"

#include <array>
#include <utility>

class ClickLabel;
class InputBlocker;
class Picture;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

// The table's controls that its handlers and redraws reach by pointer, found
// once after they are made; frmBoard inherits them, as a window inherits the
// form that Qt Designer's uic writes.
struct BoardControls {
    std::array<Picture*, kSpotCount> m_imgChip{};
    std::array<ClickLabel*, kSpotCount> m_lblChip{};
    std::array<ClickLabel*, kChipCount> m_lblChipColour{};
    std::array<ClickLabel*, 4> m_lblTable{}; // by table index: $1, $2, $5, $10
    std::array<std::pair<QPushButton*, AnnouncedBet>, 18> m_announcedButtons{};
    std::array<QLineEdit*, kHistoryCount> m_txtLastNumber{};
    QLineEdit* m_txtWinSpin = nullptr;
    QLineEdit* m_txtBetValue = nullptr;
    QLineEdit* m_txtWinTotal = nullptr;
    QComboBox* m_cmbNeighb = nullptr;
    QComboBox* m_cmbNumber = nullptr;
    QWidget* m_shpBall = nullptr;
    QTimer* m_tmrDelay = nullptr;
    InputBlocker* m_inputBlocker = nullptr;
};
