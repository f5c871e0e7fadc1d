#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QStandardPaths>
#include <QTimer>

// The saved layouts' file, and copies of it moved aside, in the run's data folder.
inline QDir LayoutsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
inline QStringList LayoutsMovedAside() {
    return LayoutsFolder().entryList({QStringLiteral("layouts.txt.unreadable-*")});
}

// The file, and any copy moved aside, are gone before the test reads them, and after.
struct CleanLayoutsFile {
    CleanLayoutsFile() { Remove(); }
    ~CleanLayoutsFile() { Remove(); }
    CleanLayoutsFile(const CleanLayoutsFile&) = delete;
    CleanLayoutsFile& operator=(const CleanLayoutsFile&) = delete;
    static void Remove() {
        for (const QString& name :
             LayoutsMovedAside() + QStringList{QStringLiteral("layouts.txt")}) {
            QFile::remove(LayoutsFolder().filePath(name));
        }
    }
};

// Answers the name dialog once it opens; `offered` gets the name it offered.
inline void AnswerLayoutName(const QString& name, QString* offered = nullptr) {
    QTimer::singleShot(0, [name, offered] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (offered) {
            *offered = dialog->textValue();
        }
        dialog->setTextValue(name);
        dialog->accept();
    });
}
