// The view half of frmBoard: every redraw reads the state and nothing else.
#include "window/board/frmBoard.h"

#include "betting/UpdateChip.h"
#include "table/NumberText.h"
#include "window/common/BoardFonts.h"
#include "window/common/ClickLabel.h"
#include "window/common/Picture.h"
#include "window/common/Twips.h"

#include <QLabel>
#include <QLineEdit>

namespace {

QColor HistoryTextColour(HistoryColour colour) {
    switch (colour) {
    case HistoryColour::Red:
        return {0xFF, 0x00, 0x00};
    case HistoryColour::Yellow:
        return {0xFF, 0xFF, 0x00};
    case HistoryColour::Green:
        return {0x00, 0xFF, 0x00};
    case HistoryColour::None:
        break;
    }
    return Qt::white;
}

void SetTextColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

QColor Highlight(bool selected) {
    return selected ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

void frmBoard::RedrawSpot(std::int16_t s) {
    Picture& chip = *m_imgChip.at(s);
    QLabel& label = *m_lblChip.at(s);
    const bool shown = SpotShown(m_state, s);
    if (shown) {
        const StakeLabel look = FormatValue(m_state, s);
        chip.setArtwork({ArtworkKind::Chip, m_state.SpotChip.at(s)});
        label.setText(QString::fromStdString(look.text));
        label.setFont(ZoomedFont(StakeLabelFont(look.pointSize), Zoom()));
        SetTextColour(label, QPalette::WindowText,
                      look.white ? QColor(Qt::white) : QColor(Qt::black));
    }
    chip.setVisible(shown);
    label.setVisible(shown);
}

void frmBoard::RedrawAllSpots() {
    for (int s = 0; s < kSpotCount; ++s) {
        RedrawSpot(static_cast<std::int16_t>(s));
    }
}

void frmBoard::RedrawTotals() {
    const auto shown = [this](std::int32_t value) {
        return m_state.TotalsShown ? QString::fromStdString(SignedForm(value)) : QString();
    };
    m_txtBetValue->setText(shown(m_state.BetTotal));
    m_txtWinTotal->setText(shown(m_state.Balance));
    m_txtWinSpin->setText(m_state.LastWin ? QString::fromStdString(SignedForm(*m_state.LastWin))
                                          : QString());
}

void frmBoard::RedrawHistory() {
    for (int i = 0; i < kHistoryCount; ++i) {
        const HistoryEntry& entry = m_state.LastNumbers.at(i);
        QLineEdit& box = *m_txtLastNumber.at(i);
        box.setText(QString::fromStdString(entry.text));
        SetTextColour(box, QPalette::Text, HistoryTextColour(entry.colour));
    }
}

void frmBoard::RedrawBall() {
    m_shpBall->move(Pixels(m_state.BallLeft, Zoom()), Pixels(m_state.BallTop, Zoom()));
    m_shpBall->setVisible(m_state.BallShown);
}

void frmBoard::RedrawSelectors() {
    for (int i = 0; i < kChipCount; ++i) {
        SetTextColour(*m_lblChipColour.at(i), QPalette::WindowText,
                      Highlight(i == m_state.ChipIndex));
    }
    for (int t = 0; t < static_cast<int>(m_lblTable.size()); ++t) {
        SetTextColour(*m_lblTable.at(t), QPalette::WindowText, Highlight(t == m_state.TableIndex));
    }
}
