#pragma once

#include "betting/AnnouncedBets.h"
#include "table/GameState.h"
#include "window/common/PreviewMarks.h"

#include <QObject>

#include <array>
#include <utility>

class Picture;
class QComboBox;
class QPushButton;
class QWidget;

// Teaches an announced bet before it is pressed: while the pointer is over
// one of the buttons, the layout and the wheel mark every number a left
// press would stake now, and the button's tool tip tells the forecast.
// Nothing is drawn into the pictures themselves, so when the pointer leaves
// the window is as it was. During a spin nothing is marked.
class AnnouncedPreview : public QObject {
    Q_OBJECT
  public:
    using Buttons = std::array<std::pair<QPushButton*, AnnouncedBet>, 18>;
    struct Controls {
        Picture* layout;
        Picture* wheel;
        QComboBox* cover;
        QComboBox* eitherSide;
    };

    AnnouncedPreview(QWidget* board, const GameState& state, const Buttons& buttons,
                     const Controls& controls);

    // The button under the pointer, or null.
    QPushButton* hovered() const { return m_hovered; }
    // Forecasts again from the state and the boxes as they are now.
    void Refresh();
    // Marks the layout and the wheel as a press putting these chips would;
    // also for the racetrack, whose presses are the buttons' own.
    void ShowMarks(const ChipsByNumber& chips);
    void ClearMarks();
    // A drill's verdict: the bet asked for and the one given, in two colours.
    void ShowPair(const ChipsByNumber& asked, const ChipsByNumber& given);
    // While silenced (a drill asks for the bet to be built by hand) nothing
    // is previewed; marks shown through ShowMarks stay until cleared.
    void SetSilenced(bool silenced);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The tool tip and the screen reader's description of one button.
    void Describe(QPushButton* button, AnnouncedBet bet);
    void Begin(QPushButton* button, AnnouncedBet bet);
    void End();

    const GameState& m_state;
    QWidget* m_board;
    Buttons m_buttons;
    Controls m_controls;
    QPushButton* m_hovered = nullptr;
    AnnouncedBet m_bet = AnnouncedBet::Tier;
    bool m_silenced = false;
};
