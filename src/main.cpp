#include "window/frmBoard.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frmBoard board;
    board.show();
    return QApplication::exec();
}
