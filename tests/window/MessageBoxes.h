#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers the next modal message box as soon as it is up. The checks run
// inside the box's own event loop, so they record what they saw.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::Warning;
    bool seen = false;
};

// Gives up after a few seconds: a box that never came leaves `seen` false and
// the test fails, instead of a stale answer waiting for a later test's box.
inline void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
    constexpr qint64 kGiveUpMilliseconds = 3000;
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, answer, waited] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (waited.hasExpired(kGiveUpMilliseconds)) {
                poll->stop();
                poll->deleteLater();
            }
            return;
        }
        seen = {box->text(),
                box->windowTitle(),
                box->standardButtons(),
                box->standardButton(box->defaultButton()),
                box->icon(),
                true};
        poll->stop();
        poll->deleteLater();
        box->button(answer)->click();
    });
    poll->start();
}
