#include "window/board/MainWindow.h"
#include "window/common/AppIcon.h"

#include "window/common/DataStore.h"
#include "window/common/Language.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[]) {
    // A file size limit (ulimit -f) then fails a save, which the store
    // reports and keeps, instead of killing the table.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    ApplyAppIdentity();
    InstallTranslations(&app);
    MainWindow window;
    window.show();
    const int status = QApplication::exec();
    // A change kept through a full disk gets one more try before it is lost.
    DataStore::SavePendingChanges();
    return status;
}
