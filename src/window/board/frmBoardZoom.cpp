// The table drawn at a zoom (the steps are the zoom unit's). Every place,
// size and font is the designed one in twips, scaled before it is rounded to
// pixels, and the pictures draw their artwork afresh at the new size; a press
// is brought back to the designed coordinates before it is hit-tested, so it
// lands on what lies under it at 100 %.
#include "window/board/frmBoard.h"

#include "window/board/BoardLayout.h"
#include "window/board/ControlFactory.h"
#include "window/common/BoardFonts.h"
#include "window/common/Picture.h"
#include "window/common/Twips.h"

namespace {

constexpr TwipRect kClientTwips{0, 0, 9480, 6675};

} // namespace

// Every control from its row, then what start-up and the redraws move or
// restyle: the spot chips and their labels, and the ball. The main window
// follows the table's fixed size through its layout.
void frmBoard::ShowAtZoom(double zoom) {
    m_zoomFactor = zoom;
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
}
