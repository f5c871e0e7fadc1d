#include "window/AppIcon.h"
#include "window/frmBoard.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ApplyAppIdentity();
    frmBoard board;
    board.show();
    return QApplication::exec();
}
