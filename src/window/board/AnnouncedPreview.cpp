#include "window/board/AnnouncedPreview.h"

#include "betting/BetNames.h"
#include "betting/PressForecast.h"
#include "window/common/Picture.h"
#include "window/common/PreviewMarks.h"
#include "window/common/TableTexts.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

AnnouncedPreview::AnnouncedPreview(QWidget* board, const GameState& state, const Buttons& buttons,
                                   const Controls& controls)
    : QObject(board), m_state(state), m_board(board), m_buttons(buttons), m_controls(controls) {
    for (const auto& [button, bet] : m_buttons) {
        button->installEventFilter(this);
        button->setAccessibleName(TableText(AnnouncedBetName(bet)));
        Describe(button, bet);
    }
    // A modal box takes the pointer away without always telling the button.
    board->installEventFilter(this);
    const auto refresh = [this] { Refresh(); };
    connect(controls.cover, &QComboBox::editTextChanged, this, refresh);
    connect(controls.eitherSide, &QComboBox::editTextChanged, this, refresh);
}

// The press itself is the table's; the forecast is renewed once it is done,
// from the event loop, since the press may still be running its message box.
bool AnnouncedPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_board) {
        if (event->type() == QEvent::WindowBlocked) {
            End();
        }
        return false;
    }
    if (m_silenced) {
        return false;
    }
    const auto type = event->type();
    for (const auto& [button, bet] : m_buttons) {
        if (watched != button) {
            continue;
        }
        if (type == QEvent::Enter) {
            Begin(button, bet);
        } else if (type == QEvent::FocusIn) {
            Describe(button, bet);
        } else if (type == QEvent::Leave && button == m_hovered) {
            End();
        } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            QTimer::singleShot(0, this, [this] { Refresh(); });
        }
    }
    return false;
}

namespace {

PressForecast Forecast(const GameState& state, AnnouncedBet bet, const QComboBox& cover,
                       const QComboBox& eitherSide) {
    return ForecastPress(state, bet, cover.currentText().toStdString(),
                         eitherSide.currentText().toStdString());
}

} // namespace

void AnnouncedPreview::Describe(QPushButton* button, AnnouncedBet bet) {
    const QString text =
        TableText(ForecastText(Forecast(m_state, bet, *m_controls.cover, *m_controls.eitherSide)));
    button->setToolTip(text);
    button->setAccessibleDescription(text);
}

void AnnouncedPreview::Begin(QPushButton* button, AnnouncedBet bet) {
    m_hovered = button;
    m_bet = bet;
    Refresh();
}

void AnnouncedPreview::SetSilenced(bool silenced) {
    if (silenced && m_hovered) {
        End();
    }
    m_silenced = silenced;
}

void AnnouncedPreview::End() {
    m_hovered = nullptr;
    ClearMarks();
}

void AnnouncedPreview::Refresh() {
    if (!m_hovered) {
        return;
    }
    const PressForecast forecast =
        Forecast(m_state, m_bet, *m_controls.cover, *m_controls.eitherSide);
    const QString text = TableText(ForecastText(forecast));
    m_hovered->setToolTip(text);
    m_hovered->setAccessibleDescription(text);
    if (m_state.Spinning || QApplication::activeModalWidget()) {
        ClearMarks();
        return;
    }
    ShowMarks(ChipsPerNumber(forecast));
}

void AnnouncedPreview::ShowMarks(const ChipsByNumber& chips) {
    m_controls.layout->setOverlay([chips](QPainter& p) { PaintLayoutMarks(p, chips); });
    const Catalogue* catalogue = &m_state.catalogue;
    m_controls.wheel->setOverlay(
        [chips, catalogue](QPainter& p) { PaintWheelMarks(p, chips, *catalogue); });
}

void AnnouncedPreview::ShowPair(const ChipsByNumber& asked, const ChipsByNumber& given) {
    m_controls.layout->setOverlay(
        [asked, given](QPainter& p) { PaintLayoutPair(p, asked, given); });
    const Catalogue* catalogue = &m_state.catalogue;
    m_controls.wheel->setOverlay(
        [asked, given, catalogue](QPainter& p) { PaintWheelPair(p, asked, given, *catalogue); });
}

void AnnouncedPreview::ClearMarks() {
    if (m_controls.layout->hasOverlay()) {
        m_controls.layout->setOverlay({});
    }
    if (m_controls.wheel->hasOverlay()) {
        m_controls.wheel->setOverlay({});
    }
}
