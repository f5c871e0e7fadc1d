#include "window/AppIcon.h"
#include "window/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplyAppIdentity();
    MainWindow window;
    window.show();
    return QApplication::exec();
}
