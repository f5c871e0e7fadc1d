#include "window/racetrack/frmRacetrack.h"

#include "betting/BetNames.h"
#include "window/common/Artwork.h"
#include "window/common/TableTexts.h"
#include "window/racetrack/TrackCell.h"

#include <QEvent>
#include <QPainterPath>
#include <QPalette>

namespace {

constexpr QSize kTrackSize(720, 300);
const QPointF kCentre(360.0, 150.0);

// Half-axes of the ellipses that bound the rings: numbers, then the three
// large sectors, then Zero, which lies inside the arc of Grande.
constexpr QSizeF kNumbersOuter(350.0, 140.0);
constexpr QSizeF kNumbersInner(305.0, 95.0);
constexpr QSizeF kSectorsInner(200.0, 50.0);
constexpr QSizeF kZeroInner(80.0, 20.0);

QPointF At(double degrees, QSizeF radii) {
    const TrackPoint point = OnOval(degrees, radii.width(), radii.height());
    return kCentre + QPointF(point.x, point.y);
}

QPointF Between(double degrees, QSizeF outer, QSizeF inner) {
    return At(degrees, (outer + inner) / 2.0);
}

// The part of the ring between two ellipses that lies within the span.
QPainterPath RingPart(TrackSpan span, QSizeF outer, QSizeF inner) {
    const int steps = std::max(2, static_cast<int>((span.to - span.from) / 1.5));
    const double step = (span.to - span.from) / steps;
    QPolygonF outline;
    for (int i = 0; i <= steps; ++i) {
        outline << At(span.from + i * step, outer);
    }
    for (int i = steps; i >= 0; --i) {
        outline << At(span.from + i * step, inner);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

} // namespace

frmRacetrack::frmRacetrack(QWidget* owner, const Catalogue& catalogue)
    : QWidget(owner, Qt::Window), m_catalogue(catalogue) {
    setObjectName(QStringLiteral("frmRacetrack"));
    setWindowTitle(tr("Velmora Racetrack"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kTrackSize);
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(kTableGreen));
    setPalette(green);
    setAutoFillBackground(true);
    AddPockets();
    AddSectors();
    for (int stop = 1; stop < kTrackStopCount; ++stop) {
        setTabOrder(m_cells.at(stop - 1), m_cells.at(stop));
    }
}

// A message box takes the pointer away without always telling the cell under it.
bool frmRacetrack::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked) {
        emit stopHovered(-1);
    }
    return QWidget::event(event);
}

void frmRacetrack::AddPockets() {
    for (int pocket = 0; pocket < kPocketCount; ++pocket) {
        const std::int16_t number = m_catalogue.WheelPocket[0].at(pocket);
        const TrackSpan span = PocketSpan(pocket);
        auto* cell = new TrackCell(this, RingPart(span, kNumbersOuter, kNumbersInner),
                                   WheelNumberColour(number), QString::number(number),
                                   {Between(span.middle(), kNumbersOuter, kNumbersInner)});
        cell->setObjectName(QStringLiteral("rt%1").arg(number));
        Bind(pocket, cell);
    }
}

// Each sector is drawn over the arcs its own pattern covers.
void frmRacetrack::AddSectors() {
    for (std::size_t i = 0; i < kTrackSectors.size(); ++i) {
        const AnnouncedBet bet = kTrackSectors.at(i);
        const bool zero = bet == AnnouncedBet::Zero;
        const QSizeF outer = zero ? kSectorsInner : kNumbersInner;
        const QSizeF inner = zero ? kZeroInner : kSectorsInner;
        QPainterPath shape;
        QList<QPointF> captions;
        for (const PocketArc arc : SectorArcs(m_catalogue, bet)) {
            shape.addPath(RingPart(ArcSpan(arc), outer, inner));
            captions.append(Between(ArcSpan(arc).middle(), outer, inner));
        }
        const QColor fill = QColor(kTableGreen).darker(zero ? 150 : 125);
        auto* cell = new TrackCell(this, shape, fill, TableText(AnnouncedBetName(bet)), captions);
        const QString names[] = {QStringLiteral("rtTier"), QStringLiteral("rtOrphns"),
                                 QStringLiteral("rtGrande"), QStringLiteral("rtZero")};
        cell->setObjectName(names[i]);
        Bind(kPocketCount + static_cast<int>(i), cell);
    }
}

void frmRacetrack::Bind(int stop, TrackCell* cell) {
    m_cells.at(stop) = cell;
    connect(cell, &TrackCell::pressed, this, [this, stop](Qt::MouseButton button) {
        if (m_answering) {
            emit stopPressed(stop, button);
        }
    });
    connect(cell, &TrackCell::hovered, this,
            [this, stop](bool inside) { emit stopHovered(inside ? stop : -1); });
    connect(cell, &TrackCell::keyed, this,
            [this, stop](int key, Qt::KeyboardModifiers modifiers) { Key(stop, key, modifiers); });
}

// Right and Down go clockwise round the track, Left and Up back.
void frmRacetrack::Key(int stop, int key, Qt::KeyboardModifiers modifiers) {
    if (!m_answering) {
        return;
    }
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_cells.at(MoveStop(stop, 1))->setFocus(Qt::TabFocusReason);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        m_cells.at(MoveStop(stop, -1))->setFocus(Qt::BacktabFocusReason);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit stopPressed(stop, modifiers & Qt::ShiftModifier ? Qt::RightButton : Qt::LeftButton);
        break;
    case Qt::Key_Space:
        emit stopPressed(stop, Qt::LeftButton);
        break;
    case Qt::Key_Plus:
        emit eitherSideStepped(1);
        break;
    case Qt::Key_Minus:
        emit eitherSideStepped(-1);
        break;
    default:
        break;
    }
}

void frmRacetrack::ShowMarks(const ChipsByNumber& chips) {
    for (int pocket = 0; pocket < kPocketCount; ++pocket) {
        m_cells.at(pocket)->setMark(chips.at(m_catalogue.WheelPocket[0].at(pocket)));
    }
}

void frmRacetrack::SetZoom(double zoom) {
    setFixedSize((QSizeF(kTrackSize) * zoom).toSize());
    for (TrackCell* cell : m_cells) {
        cell->SetZoom(zoom);
    }
}

void frmRacetrack::Describe(int stop, const QString& text) {
    m_cells.at(stop)->setToolTip(text);
    m_cells.at(stop)->setAccessibleDescription(text);
}
