// Betting by hand: the chip and table selectors, chips lying on the layout,
// the layout picture and the thirteen outside-bet areas.
#include "window/board/frmBoard.h"

#include "window/board/BoardControl.h"
#include "window/board/BoardTable.h"

#include "betting/BoardHitTest.h"
#include "betting/Selectors.h"
#include "table/Money.h"
#include "window/board/UndoStep.h"
#include "window/common/ClickLabel.h"
#include "window/common/MouseButtons.h"
#include "window/common/Picture.h"
#include "window/common/TableTexts.h"
#include "window/common/Twips.h"

#include <QMessageBox>

#include <cmath>

namespace {

// A press at a fractional logical pixel (a scaled screen) is brought down to
// the whole twip it lies in: floor, never round, so 15 twips always make one
// pixel of the picture and the bounds of the grid fall on pixel edges.
int WholeTwips(qreal pixels) {
    return static_cast<int>(std::floor(pixels * kTwipsPerPixel));
}

} // namespace

void frmBoard::ConnectBettingHandlers() {
    for (int s = 0; s < kSpotCount; ++s) {
        const auto spot = static_cast<std::int16_t>(s);
        const auto onChip = [this, spot](Qt::MouseButton button) {
            imgChip_MouseDown(spot, button);
        };
        connect(m_imgChip.at(s), &Picture::pressed, this, onChip);
        connect(m_lblChip.at(s), &ClickLabel::pressed, this, onChip);
    }
    for (int i = 0; i < kChipCount; ++i) {
        const auto select = [this, i] { imgChipColour_Click(static_cast<std::int16_t>(i)); };
        connect(Control<Picture>(ArrayName("imgChipColour", i)), &Picture::clicked, this, select);
        connect(m_lblChipColour.at(i), &ClickLabel::clicked, this, select);
    }
    for (int t = 0; t < static_cast<int>(m_lblTable.size()); ++t) {
        const auto select = [this, t] { lblTable_Click(static_cast<std::int16_t>(t)); };
        connect(m_lblTable.at(t), &ClickLabel::clicked, this, select);
    }
    connect(Control<Picture>(QStringLiteral("imgBoard")), &Picture::pressed, this,
            &frmBoard::imgBoard_MouseDown);
    for (const OutsideArea& area : kOutsideAreas) {
        const auto onArea = [this, spot = area.spot](Qt::MouseButton button) {
            OutsideArea_MouseDown(spot, button);
        };
        connect(Control<Picture>(QLatin1String(area.name)), &Picture::pressed, this, onArea);
    }
}

// imgChip_MouseDown and lblChip_MouseDown alike: a chip lying on the layout
// passes every button on, so a right press takes chips off its spot.
void frmBoard::imgChip_MouseDown(std::int16_t spot, Qt::MouseButton button) {
    if (const auto code = ButtonCode(button)) {
        StakeSpot(spot, *code);
    }
}

// imgChipColour_Click and lblChipColour_Click alike.
void frmBoard::imgChipColour_Click(std::int16_t chip) {
    SelectChip(m_state, chip);
    RedrawSelectors();
}

// lblTable1_Click, lblTable2_Click, lblTable5_Click and lblTable10_Click by
// table index. Stakes already on the layout are not tested again.
void frmBoard::lblTable_Click(std::int16_t table) {
    SelectTable(m_state, table);
    RedrawSelectors();
}

// Only the left button alone places a chip from the layout picture.
void frmBoard::imgBoard_MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons,
                                  QPointF position) {
    if (button != Qt::LeftButton || buttons != Qt::LeftButton) {
        return;
    }
    const QPointF at = Control<Picture>(QStringLiteral("imgBoard"))->ArtworkPoint(position);
    if (const auto spot = BoardSpotAt(WholeTwips(at.x()), WholeTwips(at.y()))) {
        StakeSpot(*spot, kLeftButton);
    }
}

// imgZero_MouseDown ... imgHigh_MouseDown: every button, whatever the place.
void frmBoard::OutsideArea_MouseDown(std::int16_t spot, Qt::MouseButton button) {
    if (const auto code = ButtonCode(button)) {
        StakeSpot(spot, *code);
    }
}

void frmBoard::StakeSpot(std::int16_t spot, std::int16_t button) {
    const UndoStep step(*this);
    const std::int16_t before = m_state.SpotStake.at(spot);
    std::optional<Refusal> refusal;
    if (!RunGuarded([&] { refusal = UpdateChip(m_state, spot, button); },
                    tr("The chip was not placed."))) {
        return;
    }
    if (refusal) {
        ShowMessage(RefusalMessage(*refusal));
        return;
    }
    RedrawSpot(spot);
    RedrawTotals();
    if (m_state.SpotStake.at(spot) != before) {
        emit m_table->chipStaked();
    }
}

void frmBoard::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

// The rules throw rather than let money wrap, leaving the state as it was
// before the call that overflowed; an announced press keeps the chips it had
// already placed, so everything is drawn again from the state.
bool frmBoard::RunGuarded(const std::function<void()>& change, const QString& notDone) {
    try {
        change();
        return true;
    } catch (const MoneyOverflow&) {
        ShowMessage(tr("Internal error: an amount of money went out of range. %1").arg(notDone));
        RedrawAllSpots();
        RedrawTotals();
        return false;
    }
}
