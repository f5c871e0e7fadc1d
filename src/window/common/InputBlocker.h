#pragma once

#include <QObject>

class QWidget;

// Keeps every press, click and key away from one window and shows the busy
// pointer, without disabling (and so greying) the window. Closing the window
// is not input and still goes through.
class InputBlocker : public QObject {
    Q_OBJECT
  public:
    explicit InputBlocker(QWidget* window);
    ~InputBlocker() override;

    void Block();
    void Release();
    bool blocking() const { return m_blocking; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* m_window;
    bool m_blocking = false;
};
