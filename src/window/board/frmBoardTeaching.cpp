// The table teaches: a preview of each announced bet, tool tips, and the
// names a screen reader gives to every control. Set up once the boxes hold
// their start-up texts, which the first forecasts read.
#include "window/board/frmBoard.h"

#include "window/board/AnnouncedPreview.h"
#include "window/board/ControlHelp.h"
#include "window/common/Picture.h"


void frmBoard::ConnectTeaching() {
    const AnnouncedPreview::Controls controls = {Control<Picture>(QStringLiteral("imgBoard")),
                                                 Control<Picture>(QStringLiteral("imgWheel")),
                                                 m_cmbNumber, m_cmbNeighb};
    m_preview = new AnnouncedPreview(this, m_state, m_announcedButtons, controls);
    m_preview->setObjectName(QStringLiteral("announcedPreview"));
    new ControlHelp(this, m_state, m_controls);
}
