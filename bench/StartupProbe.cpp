// Started by velmora_startup_bench: shows one window and prints the
// CLOCK_MONOTONIC time at which its first frame was painted, the number of
// the window's direct child widgets, and the times at which main was entered,
// the application and the window were made; then exits.
//   velmora_startup_probe board|bare|plain|main|plainmenu|stock|stockmenu
//   (main: the program's own window, menus included; plainmenu: the plain
//   window under the same menu bar; stock: the same controls as stock Qt
//   widgets, captioned, coloured and in the same faces, with nothing behind
//   them; stockmenu: that under the same menu bar)
#include "FirstPaint.h"

#include "window/board/BoardLayout.h"
#include "window/board/MainWindow.h"
#include "window/board/frmBoard.h"
#include "window/common/Picture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
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

Qt::Alignment StockAlignment(TextAlign align) {
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case TextAlign::Centre:
        return Qt::AlignCenter;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, QRgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, QColor(colour));
    widget->setPalette(palette);
}

// One control as a plain Qt program would make it: the stock class, caption,
// face and colours of the row, and no behaviour behind it.
QWidget* StockControl(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::Picture:
    case ControlKind::Backdrop:
        return new Picture(row.art, parent);
    case ControlKind::Label:
    case ControlKind::ClickLabel: {
        auto* label = new QLabel(row.caption, parent);
        label->setAlignment(StockAlignment(row.align));
        SetColour(label, QPalette::WindowText, row.text);
        return label;
    }
    case ControlKind::Button:
        return new QPushButton(row.caption, parent);
    case ControlKind::ResultBox: {
        auto* box = new QLineEdit(parent);
        box->setReadOnly(true);
        SetColour(box, QPalette::Base, row.background.value_or(0x000000));
        SetColour(box, QPalette::Text, row.text);
        return box;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        return combo;
    }
    }
    return new QWidget(parent);
}

// The controls on the table's green cloth, in the table's own face.
std::unique_ptr<QWidget> StockWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(kClientSize);
    window->setFont(RoleFont(FontRole::Window));
    SetColour(window.get(), QPalette::Window, kTableGreen);
    window->setAutoFillBackground(true);
    for (const ControlRow& row : BoardLayout()) {
        QWidget* child = StockControl(row, window.get());
        child->setObjectName(row.name);
        child->setGeometry(PixelRect(row.rect));
        if (row.kind != ControlKind::Picture && row.kind != ControlKind::Backdrop) {
            child->setFont(RoleFont(row.font));
        }
        child->setVisible(row.visible);
    }
    return window;
}

// The given window under menus of the same entries as the program's, and its status bar.
std::unique_ptr<QWidget> UnderMenus(std::unique_ptr<QWidget> central) {
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(central.release());
    const auto addMenu = [&](const char* title, std::initializer_list<const char*> entries) {
        QMenu* menu = window->menuBar()->addMenu(QString::fromLatin1(title));
        for (const char* text : entries) {
            if (*text == '\0') {
                menu->addSeparator();
            } else if (*text == '>') {
                menu->addMenu(QString::fromLatin1(text + 1))->setEnabled(false);
            } else {
                menu->addAction(QString::fromLatin1(text));
            }
        }
    };
    addMenu("&Table", {"&Undo", "&Rebet", "&Clear", "&Double", "", "&Spin", "&Autoplay...", "",
                       "Save &layout...", ">La&youts", "&Manage layouts..."});
    addMenu("&View", {"S&tatistics", "&Racetrack", "Strategy &tester", "", "Zoom &In", "Zoom &Out",
                      "Actual &Size"});
    addMenu("&Practice", {"&Place it", "&Name it", "Pa&y it"});
    window->statusBar();
    return window;
}

std::unique_ptr<QWidget> MakeWindow(const char* mode) {
    if (std::strcmp(mode, "plainmenu") == 0) {
        return UnderMenus(PlainWindow());
    }
    if (std::strcmp(mode, "stock") == 0) {
        return StockWindow();
    }
    if (std::strcmp(mode, "stockmenu") == 0) {
        return UnderMenus(StockWindow());
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
        std::fprintf(stderr, "usage: %s board|bare|plain|main|plainmenu|stock|stockmenu\n",
                     argv[0]);
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
