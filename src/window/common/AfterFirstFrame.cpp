#include "window/common/AfterFirstFrame.h"

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

namespace {

// Watches for the first paint, then hands the task to the event loop and goes.
class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget* widget, std::function<void()> task)
        : QObject(widget), m_task(std::move(task)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_task();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> m_task;
};

} // namespace

void RunAfterFirstFrame(QWidget* widget, std::function<void()> task) {
    new FirstPaintWatch(widget, std::move(task));
}
