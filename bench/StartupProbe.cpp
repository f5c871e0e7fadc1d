// Started by velmora_startup_bench: shows one window and prints the
// CLOCK_MONOTONIC time at which its first frame was painted, the number of
// the window's direct child widgets, and the times at which main was entered,
// the application and the window were made; then exits.
//   velmora_startup_probe board|bare|plain|main|plainmenu
//   (main: the program's own window, menus included; plainmenu: the plain
//   window under the same menu bar)
#include "FirstPaint.h"

#include "window/board/BoardLayout.h"
#include "window/board/MainWindow.h"
#include "window/board/frmBoard.h"
#include "window/common/Picture.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

constexpr QSize kClientSize(632, 445);

// The comparison window: as many direct children as the table, at the same
// places and with the same visibility, all plain widgets except the two big
// pictures, which are painted by the table's own picture control.
std::unique_ptr<QWidget> PlainWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(kClientSize);
    for (const ControlRow& row : BoardLayout()) {
        const bool picture =
            row.name == QLatin1String("imgBoard") || row.name == QLatin1String("imgWheel");
        QWidget* child = picture ? new Picture(row.art, window.get()) : new QWidget(window.get());
        child->setGeometry(PixelRect(row.rect));
        child->setVisible(row.visible);
    }
    return window;
}

// The plain window with menus of the same entries as the program's.
std::unique_ptr<QWidget> PlainMenuWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(PlainWindow().release());
    QMenu* table = window->menuBar()->addMenu(QStringLiteral("&Table"));
    for (const char* text : {"&Undo", "&Rebet", "&Clear", "&Double"}) {
        table->addAction(QString::fromLatin1(text));
    }
    table->addSeparator();
    table->addAction(QStringLiteral("&Spin"));
    window->menuBar()->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("S&tatistics"));
    return window;
}

std::unique_ptr<QWidget> MakeWindow(const char* mode) {
    if (std::strcmp(mode, "plainmenu") == 0) {
        return PlainMenuWindow();
    }
    if (std::strcmp(mode, "board") == 0) {
        return std::make_unique<frmBoard>();
    }
    if (std::strcmp(mode, "plain") == 0) {
        return PlainWindow();
    }
    if (std::strcmp(mode, "main") == 0) {
        return std::make_unique<MainWindow>();
    }
    auto bare = std::make_unique<QWidget>();
    bare->setFixedSize(kClientSize);
    return bare;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s board|bare|plain|main|plainmenu\n", argv[0]);
        return 2;
    }
    const std::int64_t entered = MonotonicNanoseconds();
    FirstPaintApplication app(argc, argv);
    const std::int64_t appMade = MonotonicNanoseconds();
    const std::unique_ptr<QWidget> window = MakeWindow(argv[1]);
    const std::int64_t windowMade = MonotonicNanoseconds();
    // Exiting at once keeps teardown out of the peak memory and the timing.
    app.watch(window.get(), [&, window = window.get()] {
        const std::int64_t painted = MonotonicNanoseconds();
        const auto children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size();
        std::printf("%lld %lld %lld %lld %lld\n", static_cast<long long>(painted),
                    static_cast<long long>(children), static_cast<long long>(entered),
                    static_cast<long long>(appMade), static_cast<long long>(windowMade));
        std::fflush(stdout);
        _exit(0);
    });
    window->show();
    QTimer::singleShot(10'000, [] {
        std::fprintf(stderr, "no frame painted within 10 s\n");
        _exit(3);
    });
    return QApplication::exec();
}
