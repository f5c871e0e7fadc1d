#pragma once

#include <QApplication>
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

inline void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        seen = {box->text(),
                box->windowTitle(),
                box->standardButtons(),
                box->standardButton(box->defaultButton()),
                box->icon(),
                true};
        poll->deleteLater();
        box->button(answer)->click();
    });
    poll->start();
}
