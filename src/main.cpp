#include "window/common/AppIcon.h"
#include "window/board/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplyAppIdentity();
    MainWindow window;
    window.show();
    return QApplication::exec();
}
