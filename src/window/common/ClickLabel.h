#pragma once

#include <QLabel>

// A caption that answers presses and clicks: the table choices, the chip
// selector captions and the stake labels lying on the layout.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void pressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF position);
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Qt::MouseButton m_pressedButton = Qt::NoButton;
};
