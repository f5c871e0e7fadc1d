#pragma once

// The practice window's fixture: a fresh progress file, a clock the test
// moves, and the presses a player answers with.
#include "PlayerPresses.h"

#include "practice/DrillTask.h"
#include "window/practice/frmPractice.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

inline QString ProgressPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/progress.txt");
}

using Layout = std::array<std::int16_t, kSpotCount>;

class PracticeTest : public PlayerTest {
  protected:
    PracticeTest() {
        QDir folder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        for (const QString& old : folder.entryList({QStringLiteral("progress.txt*")})) {
            folder.remove(old);
        }
    }

    frmPractice* Open(frmBoard& table, const char* action = "actDrillPlace") {
        table.findChild<QAction*>(action)->trigger();
        auto* window = table.findChild<frmPractice*>(QStringLiteral("frmPractice"));
        window->SetClock([this] { return now; });
        return window;
    }
    QString Text(frmPractice* window, const char* name) {
        return window->findChild<QLabel*>(name)->text();
    }
    void Check(frmPractice* window) {
        QTest::mouseClick(window->findChild<QPushButton*>("cmdCheck"), Qt::LeftButton);
    }
    // Builds the task's bet straight into the layout, as the player would by hand.
    void BuildTask(frmBoard& table) {
        const PlacedBet* task = table.placeTaskForTest();
        ASSERT_NE(task, nullptr);
        table.stateForTest().SpotStake = task->stakes;
    }

    qint64 now = 1000;
    BoxLog boxes;
};
