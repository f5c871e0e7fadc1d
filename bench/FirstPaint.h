#pragma once

#include "Clock.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <functional>

// An application that reports when the first paint of one window has been
// done and handed to the platform: the moment the outermost event whose
// handling painted the window returns, so the flush is included.
class FirstPaintApplication : public QApplication {
  public:
    using QApplication::QApplication;

    void watch(QWidget* window, std::function<void()> onFirstPaint) {
        m_window = window;
        m_onFirstPaint = std::move(onFirstPaint);
    }

    bool notify(QObject* receiver, QEvent* event) override {
        if (receiver == m_window && event->type() == QEvent::Paint) {
            m_painted = true;
        }
        ++m_depth;
        const bool result = QApplication::notify(receiver, event);
        --m_depth;
        if (m_depth == 0 && m_painted && m_onFirstPaint) {
            auto report = std::move(m_onFirstPaint);
            m_onFirstPaint = nullptr;
            report();
        }
        return result;
    }

  private:
    QPointer<QWidget> m_window;
    std::function<void()> m_onFirstPaint;
    bool m_painted = false;
    int m_depth = 0;
};
