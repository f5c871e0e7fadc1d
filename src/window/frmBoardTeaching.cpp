// The table teaches: a preview of each announced bet, tool tips, and the
// names a screen reader gives to every control. Set up once the boxes hold
// their start-up texts, which the first forecasts read.
#include "window/frmBoard.h"

#include "window/AnnouncedPreview.h"
#include "window/ControlHelp.h"
#include "window/Picture.h"


void frmBoard::ConnectTeaching() {
    const AnnouncedPreview::Controls controls = {Control<Picture>(QStringLiteral("imgBoard")),
                                                 Control<Picture>(QStringLiteral("imgWheel")),
                                                 m_cmbNumber, m_cmbNeighb};
    m_preview = new AnnouncedPreview(this, m_state, m_announcedButtons, controls);
    m_preview->setObjectName(QStringLiteral("announcedPreview"));
    new ControlHelp(this, m_state, m_controls);
}
