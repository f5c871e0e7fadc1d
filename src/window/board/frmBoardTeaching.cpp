// The table teaches: a preview of each announced bet, tool tips, and the
// names a screen reader gives to every control. Set up once the boxes hold
// their start-up texts, which the first forecasts read. The tips and names
// (each name makes its control a screen-reader record) come right after the
// first frame, which shows neither.
#include "window/board/frmBoard.h"

#include "window/board/BoardControl.h"

#include "window/board/AnnouncedPreview.h"
#include "window/board/ControlHelp.h"
#include "window/common/AfterFirstFrame.h"
#include "window/common/Picture.h"

void frmBoard::ConnectTeaching() {
    const AnnouncedPreview::Controls controls = {Control<Picture>(QStringLiteral("imgBoard")),
                                                 Control<Picture>(QStringLiteral("imgWheel")),
                                                 m_cmbNumber, m_cmbNeighb};
    m_preview = new AnnouncedPreview(this, m_state, m_announcedButtons, controls);
    m_preview->setObjectName(QStringLiteral("announcedPreview"));
    RunAfterFirstFrame(this, [this] {
        auto* help = new ControlHelp(this, m_state, m_controls);
        help->setObjectName(QStringLiteral("controlHelp"));
    });
}
