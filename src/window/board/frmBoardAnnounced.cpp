// The eighteen announced-bet buttons: each places its pattern on the press.
#include "window/board/frmBoard.h"

#include "window/board/BoardControl.h"

#include "window/board/BoardTable.h"
#include "window/board/UndoStep.h"
#include "window/common/MouseButtons.h"
#include "window/common/TableTexts.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>

namespace {

struct AnnouncedButton {
    const char* name;
    AnnouncedBet bet;
};

constexpr std::array<AnnouncedButton, 18> kAnnouncedButtons = {{
    {"cmdTier", AnnouncedBet::Tier},
    {"cmdOrphns", AnnouncedBet::Orphns},
    {"cmdGrande", AnnouncedBet::Grande},
    {"cmdZero", AnnouncedBet::Zero},
    {"cmdNeighb", AnnouncedBet::Neighb},
    {"cmdFinals", AnnouncedBet::Finals},
    {"cmdFigure", AnnouncedBet::Figure},
    {"cmdBirds", AnnouncedBet::Birds},
    {"cmdCousins", AnnouncedBet::Cousins},
    {"cmdReds", AnnouncedBet::Reds},
    {"cmdBlacks", AnnouncedBet::Blacks},
    {"cmdQtr1", AnnouncedBet::Qtr1},
    {"cmdQtr2", AnnouncedBet::Qtr2},
    {"cmdQtr3", AnnouncedBet::Qtr3},
    {"cmdQtr4", AnnouncedBet::Qtr4},
    {"cmdOppos", AnnouncedBet::Oppos},
    {"cmdQtrPlus", AnnouncedBet::QtrPlus},
    {"cmdQtrMinus", AnnouncedBet::QtrMinus},
}};

bool IsPress(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
}

} // namespace

void frmBoard::ConnectAnnouncedButtons() {
    for (std::size_t i = 0; i < kAnnouncedButtons.size(); ++i) {
        auto* button = Control<QPushButton>(QLatin1String(kAnnouncedButtons[i].name));
        button->installEventFilter(this);
        m_announcedButtons.at(i) = {button, kAnnouncedButtons[i].bet};
    }
}

// The press is taken before the button sees it: every mouse button acts, not
// just the left one. A refusal box takes the release, so after one the press
// is swallowed and the button is never left drawn down.
bool frmBoard::eventFilter(QObject* watched, QEvent* event) {
    if (!IsPress(event->type())) {
        return QWidget::eventFilter(watched, event);
    }
    for (const auto& [button, bet] : m_announcedButtons) {
        if (watched == button) {
            const auto* press = static_cast<QMouseEvent*>(event);
            const bool quiet = Announced_MouseDown(bet, press->button());
            return !quiet || press->button() != Qt::LeftButton;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The texts are read as typed at the moment of the press.
bool frmBoard::Announced_MouseDown(AnnouncedBet bet, Qt::MouseButton button,
                                   const std::optional<std::string>& cover) {
    if (m_table->TakeAnnouncedPress()) {
        return true;
    }
    const auto code = ButtonCode(button);
    if (!code) {
        return true;
    }
    const UndoStep step(*this);
    const std::string coverText = cover.value_or(m_cmbNumber->currentText().toStdString());
    const std::string neighb = m_cmbNeighb->currentText().toStdString();
    AnnouncedPress press;
    if (!RunGuarded([&] { press = PressAnnounced(m_state, bet, coverText, neighb, *code); },
                    tr("The press stopped there."))) {
        return false;
    }
    for (const std::int16_t spot : press.changed) {
        RedrawSpot(spot);
    }
    RedrawTotals();
    if (!press.changed.empty()) {
        emit m_table->patternStaked();
    }
    if (press.refusal) {
        ShowMessage(RefusalMessage(*press.refusal));
        return false;
    }
    return true;
}
