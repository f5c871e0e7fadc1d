#include "window/board/ControlHelp.h"

#include "betting/BetNames.h"
#include "betting/BoardHitTest.h"
#include "table/NumberText.h"
#include "window/common/ClickLabel.h"
#include "window/common/Picture.h"
#include "window/common/TableTexts.h"
#include "window/common/Twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

#include <cmath>
#include <cstddef>

namespace {

QString FromStd(const std::string& text) {
    return TableText(text);
}

// The table's own captions, as its controls show them.
QString Caption(const char* english) {
    return QCoreApplication::translate("frmBoard", english);
}

// The tool tip and, as it says more than the name, the description too.
void Explain(QWidget* control, const QString& name, const QString& tip) {
    control->setAccessibleName(name);
    control->setToolTip(tip);
    control->setAccessibleDescription(tip);
}

const std::array<const char*, 4> kTableLabels = {"lblTable1", "lblTable2", "lblTable5",
                                                 "lblTable10"};

// The part before the colon names the box for a screen reader.
QString CoverTip() {
    return ControlHelp::tr(
        "Cover: the number Neighb, Finals, Figure, Oppos, Qtr + and Qtr - are placed from.\n"
        "Pick or type 0 to 36; every spin writes its winning number here.");
}
QString EitherSideTip() {
    return ControlHelp::tr(
        "Either Side: how many neighbours on each side Neighb, Oppos, Qtr + and Qtr - take.\n"
        "Pick 1 to 6 or type another count.");
}

} // namespace

ControlHelp::ControlHelp(QWidget* board, const GameState& state,
                         const QHash<QString, QWidget*>& controls)
    : QObject(board), m_state(state), m_layout(controls.value(QStringLiteral("imgBoard"))) {
    m_layout->installEventFilter(this);
    NameFixedControls(controls);
    NameSelectors(controls);
    NameSpotChips(controls);
    NameResultBoxes(controls);
    for (const OutsideArea& area : kOutsideAreas) {
        m_outsideAreas.insert(controls.value(QLatin1String(area.name)), area.spot);
    }
    DescribeOutsideAreas();
    // Connected after the table's own handlers, so the new table is selected.
    for (const char* name : kTableLabels) {
        auto* label = qobject_cast<ClickLabel*>(controls.value(QLatin1String(name)));
        connect(label, &ClickLabel::clicked, this, &ControlHelp::DescribeOutsideAreas);
    }
}

void ControlHelp::NameFixedControls(const QHash<QString, QWidget*>& controls) {
    Explain(m_layout, tr("Betting layout"),
            tr("Press a number, line or corner to stake the selected chip there"));
    m_layout->setToolTip(QString()); // told by the bet under the pointer instead
    Explain(
        controls.value(QStringLiteral("imgWheel")), tr("Wheel"),
        tr("The wheel seen from above, numbers clockwise from 0 at the top: %1")
            .arg(QStringLiteral("0, 32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 36, 11, 30, 8, "
                                "23, 10, 5, 24, 16, 33, 1, 20, 14, 31, 9, 22, 18, 29, 7, 28, "
                                "12, 35, 3, 26")));
    controls.value(QStringLiteral("imgWheel"))->setToolTip(QString());
    controls.value(QStringLiteral("shpBall"))->setAccessibleName(tr("Ball"));
    Explain(controls.value(QStringLiteral("cmdSpin")), Caption("Spin"),
            tr("Spin the wheel: the ball stops in a drawn pocket and the stakes are settled"));
    Explain(controls.value(QStringLiteral("cmdExit")), Caption("Exit"),
            tr("Leave the table (you are asked first)"));
    Explain(controls.value(QStringLiteral("cmdHelp")), Caption("Help"), tr("Open the help page"));
    for (const auto& [name, tip] :
         {std::pair{"cmbNumber", CoverTip()}, std::pair{"cmbNeighb", EitherSideTip()}}) {
        auto* box = qobject_cast<QComboBox*>(controls.value(QLatin1String(name)));
        const QString title = tip.section(QLatin1Char(':'), 0, 0);
        Explain(box, title, tip);
        box->lineEdit()->setAccessibleName(title);
    }
}

void ControlHelp::NameSelectors(const QHash<QString, QWidget*>& controls) {
    for (int i = 0; i < kChipCount; ++i) {
        const std::string value = Dollars(m_state.catalogue.ChipValue.at(i));
        const QString name = tr("%1 chip").arg(QString::fromStdString(value));
        const QString tip = tr("A chip worth %1").arg(QString::fromStdString(value));
        for (const char* control : {"imgChipColour", "lblChipColour"}) {
            Explain(controls.value(ArrayName(control, i)), name, tip);
        }
    }
    for (std::size_t t = 0; t < kTableLabels.size(); ++t) {
        const int table = static_cast<int>(t);
        Explain(controls.value(QLatin1String(kTableLabels[t])),
                tr("%1 table").arg(QString::fromStdString(TableCaption(m_state.limits, table))),
                FromStd(TableSummary(m_state.limits, table)));
    }
}

void ControlHelp::NameSpotChips(const QHash<QString, QWidget*>& controls) {
    for (int s = 0; s < kSpotCount; ++s) {
        const std::string spot = SpotName(static_cast<std::int16_t>(s));
        m_spotChips.at(s) = controls.value(ArrayName("imgChip", s));
        m_spotLabels.at(s) = controls.value(ArrayName("lblChip", s));
        m_spotChips.at(s)->setAccessibleName(tr("Chip on %1").arg(FromStd(spot)));
        m_spotChips.at(s)->installEventFilter(this);
        m_spotLabels.at(s)->installEventFilter(this);
        // Stakes may already lie on the table when the help arrives.
        for (QWidget* control : {m_spotChips.at(s), m_spotLabels.at(s)}) {
            if (!control->isHidden()) {
                DescribeSpot(control);
            }
        }
    }
}

// Each description costs the control a screen-reader record, and the spot
// controls stay hidden until a stake lies there, so theirs wait for the first
// showing. The label reads as its text, the stake; the description says where.
void ControlHelp::DescribeSpot(QObject* watched) {
    for (int s = 0; s < kSpotCount; ++s) {
        if (watched == m_spotChips.at(s)) {
            m_spotChips.at(s)->setAccessibleDescription(
                tr("A press adds the selected chip, a right press takes the chip's value off"));
        } else if (watched == m_spotLabels.at(s)) {
            m_spotLabels.at(s)->setAccessibleDescription(
                tr("Stake on %1").arg(FromStd(SpotName(static_cast<std::int16_t>(s)))));
        }
    }
}

void ControlHelp::NameResultBoxes(const QHash<QString, QWidget*>& controls) {
    for (const auto& [name, title] :
         {std::pair{"txtWinSpin", "Last Win"}, std::pair{"txtBetValue", "Bet"},
          std::pair{"txtWinTotal", "Balance"}}) {
        controls.value(QLatin1String(name))->setAccessibleName(Caption(title));
    }
    for (int i = 0; i < kHistoryCount; ++i) {
        const QString name =
            i == 0 ? tr("Last number 1, the latest") : tr("Last number %1").arg(i + 1);
        controls.value(ArrayName("txtLastNumber", i))->setAccessibleName(name);
    }
}

void ControlHelp::DescribeOutsideAreas() {
    for (auto it = m_outsideAreas.cbegin(); it != m_outsideAreas.cend(); ++it) {
        Explain(it.key(), FromStd(SpotTitle(it.value())),
                FromStd(SpotDescription(m_state, it.value())));
    }
}

QString ControlHelp::TipAt(QObject* watched, QPoint position) const {
    if (watched == m_layout) {
        // A whole twip, as a press finds it; at 100 % a pixel is exactly 15 of them.
        const QPointF at = static_cast<const Picture*>(m_layout)->ArtworkPoint(position);
        const auto twips = [](qreal pixels) {
            return static_cast<int>(std::floor(pixels * kTwipsPerPixel));
        };
        const auto spot = BoardSpotAt(twips(at.x()), twips(at.y()));
        return spot ? FromStd(SpotDescription(m_state, *spot)) : QString();
    }
    for (int s = 0; s < kSpotCount; ++s) {
        if (watched == m_spotChips.at(s) || watched == m_spotLabels.at(s)) {
            const auto spot = static_cast<std::int16_t>(s);
            return tr("%1; %2 staked")
                .arg(FromStd(SpotDescription(m_state, spot)),
                     QString::fromStdString(Dollars(m_state.SpotStake.at(s))));
        }
    }
    return {};
}

bool ControlHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched != m_layout) {
        DescribeSpot(watched);
        return false;
    }
    if (event->type() != QEvent::ToolTip) {
        return false;
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = TipAt(watched, help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), tip, static_cast<QWidget*>(watched));
    }
    return true;
}
