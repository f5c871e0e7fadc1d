#include "window/board/MainWindow.h"

#include "window/board/frmBoard.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace {

// The table's own actions and those of the features round it, all below it.
QAction* BoardAction(const frmBoard& board, const char* name) {
    auto* action = board.findChild<QAction*>(QLatin1String(name));
    Q_ASSERT_X(action, "MainWindow", name);
    return action;
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<RandomSource> random)
    : m_board(new frmBoard(this, std::move(random))) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Velmora"));
    setCentralWidget(m_board);
    QMenu* table = menuBar()->addMenu(tr("&Table"));
    for (const char* name : {"actUndo", "actRebet", "actClear", "actDouble"}) {
        table->addAction(BoardAction(*m_board, name));
    }
    table->addSeparator();
    table->addAction(BoardAction(*m_board, "actSpin"));
    // Autoplay: its entry, and its progress in the status bar while it runs.
    // The bar is there from the start so the window keeps one size.
    table->addAction(BoardAction(*m_board, "actAutoplay"));
    statusBar();
    connect(m_board, &frmBoard::autoplayStatus, this, [this](const QString& text) {
        if (text.isEmpty()) {
            statusBar()->clearMessage();
        } else {
            statusBar()->showMessage(text);
        }
    });
    // Saved layouts: the table owns the actions and the menu.
    table->addSeparator();
    table->addAction(BoardAction(*m_board, "actSaveLayout"));
    table->addMenu(m_board->findChild<QMenu*>(QStringLiteral("mnuLayouts")));
    table->addAction(BoardAction(*m_board, "actManageLayouts"));
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(BoardAction(*m_board, "actStatistics"));
    view->addAction(BoardAction(*m_board, "actRacetrack"));
    view->addAction(BoardAction(*m_board, "actStrategy"));
    // The zoom: the table changes its fixed size and the window follows it.
    view->addSeparator();
    for (const char* name : {"actZoomIn", "actZoomOut", "actZoomReset"}) {
        view->addAction(BoardAction(*m_board, name));
    }
    // The drills, each in the practice window beside the table.
    QMenu* practice = menuBar()->addMenu(tr("&Practice"));
    for (const char* name : {"actDrillPlace", "actDrillName", "actDrillPay", "actDrillHear"}) {
        practice->addAction(BoardAction(*m_board, name));
    }
    // Sound and the croupier's voice, and the dialog that sets them.
    QMenu* settings = menuBar()->addMenu(tr("&Settings"));
    settings->addAction(BoardAction(*m_board, "actSound"));
    settings->addAction(BoardAction(*m_board, "actVoice"));
    settings->addSeparator();
    settings->addAction(BoardAction(*m_board, "actConfigure"));
    // The table keeps its fixed size; the window is that plus the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
