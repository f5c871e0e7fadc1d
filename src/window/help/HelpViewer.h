#pragma once

#include <QTextBrowser>

// The help page in a window of its own beside the table. It never blocks the
// table and does not keep the program running once the table is closed.
class HelpViewer : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* owner);

    // Shows the page at path, or says inside the viewer that it is missing.
    void showFile(const QString& path);

    // Velmora.html for a program in programDir: beside it (a build folder)
    // if there, else in the installed data folder (bin/../share/velmora) if
    // there, else the path beside it, which the viewer then reports missing.
    // In French or German their own page (Velmora.fr.html, ...) comes first.
    static QString FindPage(const QString& programDir);

    // FindPage for the running executable.
    static QString DefaultPath();
};
