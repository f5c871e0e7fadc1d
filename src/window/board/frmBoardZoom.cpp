// The zoom: the whole table drawn larger in steps. Every place, size and font
// is the designed one in twips, scaled before it is rounded to pixels, and
// the pictures draw their artwork afresh at the new size; a press is brought
// back to the designed coordinates before it is hit-tested, so it lands on
// what lies under it at 100 %.
#include "window/board/frmBoard.h"

#include "table/ZoomSteps.h"
#include "window/board/BoardLayout.h"
#include "window/board/ControlFactory.h"
#include "window/common/BoardFonts.h"
#include "window/common/Picture.h"
#include "window/common/Twips.h"
#include "window/common/WindowPlaces.h"
#include "window/practice/frmPractice.h"
#include "window/racetrack/frmRacetrack.h"

#include <QAction>
#include <QKeySequence>

namespace {

enum ZoomIndex : std::size_t { kIn, kOut, kReset };

constexpr TwipRect kClientTwips{0, 0, 9480, 6675};

// The platform's Zoom In key (Ctrl++ on most), and Ctrl+= so that the
// player need not reach for Shift on a keyboard with + above =.
QList<QKeySequence> ZoomInKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}) {
        if (!keys.contains(key)) {
            keys.append(key);
        }
    }
    return keys;
}

QList<QKeySequence> ZoomOutKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::ZoomOut);
    if (keys.isEmpty()) {
        keys.append(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    }
    return keys;
}

} // namespace

double frmBoard::Zoom() const {
    return ZoomFactor(m_zoomPercent);
}

// The keys live on a child of no size rather than on the table, whose own
// actions() are the six of the table and the racetrack's; a shortcut needs a
// shown widget to belong to, so the child is shown but covers nothing.
void frmBoard::CreateZoom() {
    m_zoomKeys = new QWidget(this);
    m_zoomKeys->setObjectName(QStringLiteral("zoomKeys"));
    m_zoomKeys->setGeometry(0, 0, 0, 0);
    const std::array<std::pair<const char*, const char*>, 3> rows = {{
        {"actZoomIn", "Zoom &In"},
        {"actZoomOut", "Zoom &Out"},
        {"actZoomReset", "Actual &Size"},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* action = new QAction(QString::fromLatin1(rows.at(i).second), this);
        action->setObjectName(QLatin1String(rows.at(i).first));
        m_zoomKeys->addAction(action);
        m_zoomActions.at(i) = action;
    }
    m_zoomActions[kIn]->setShortcuts(ZoomInKeys());
    m_zoomActions[kOut]->setShortcuts(ZoomOutKeys());
    m_zoomActions[kReset]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(m_zoomActions[kIn], &QAction::triggered, this,
            [this] { SetZoom(NextZoomStep(m_zoomPercent)); });
    connect(m_zoomActions[kOut], &QAction::triggered, this,
            [this] { SetZoom(PreviousZoomStep(m_zoomPercent)); });
    connect(m_zoomActions[kReset], &QAction::triggered, this, [this] { SetZoom(kDefaultZoom); });
    UpdateZoomActions();
}

// Once the table has started, so the chips and the ball are placed as designed first.
void frmBoard::RestoreZoom() {
    const int stored = WindowPlaces::StoredZoom();
    if (stored != m_zoomPercent) {
        m_zoomPercent = stored;
        ApplyZoomToControls();
    }
}

void frmBoard::SetZoom(int percent) {
    if (m_state.Spinning || percent == m_zoomPercent || !IsZoomStep(percent)) {
        return;
    }
    m_zoomPercent = percent;
    ApplyZoomToControls();
    WindowPlaces::StoreZoom(percent);
    emit zoomChanged(Zoom());
}

// Every control from its row, then what start-up and the redraws move or
// restyle: the spot chips and their labels, and the ball. The main window
// follows the table's fixed size through its layout.
void frmBoard::ApplyZoomToControls() {
    const double zoom = Zoom();
    setFixedSize(PixelRect(kClientTwips, zoom).size());
    setFont(ZoomedFont(RoleFont(FontRole::Window), zoom));
    for (const ControlRow& row : BoardLayout()) {
        QWidget* control = m_controls.value(row.name);
        control->setGeometry(PixelRect(row.rect, zoom));
        if (TakesRoleFont(row)) {
            control->setFont(ZoomedFont(RoleFont(row.font), zoom));
        }
        if (auto* picture = qobject_cast<Picture*>(control)) {
            picture->setZoom(PixelRect(row.rect).size(), zoom);
        }
    }
    PlaceSpotChips();
    RedrawAllSpots();
    RedrawBall();
    if (m_frmRacetrack) {
        m_frmRacetrack->SetZoom(zoom);
    }
    if (m_frmPractice) {
        m_frmPractice->SetZoom(zoom);
    }
    UpdateZoomActions();
}

void frmBoard::UpdateZoomActions() {
    if (!m_zoomActions[kIn]) { // the table's actions are followed before these exist
        return;
    }
    const bool idle = !m_state.Spinning;
    m_zoomActions[kIn]->setEnabled(idle && m_zoomPercent < kZoomSteps.back());
    m_zoomActions[kOut]->setEnabled(idle && m_zoomPercent > kZoomSteps.front());
    m_zoomActions[kReset]->setEnabled(idle && m_zoomPercent != kDefaultZoom);
}
