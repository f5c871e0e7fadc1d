#pragma once

#include <QLineEdit>
#include <QPushButton>

// The small push buttons, drawn by hand: the toolkit's styles pad a 40 x 15
// pixel button until its caption no longer fits, and a style sheet per button
// costs start-up time and memory.
class TableButton : public QPushButton {
    Q_OBJECT
  public:
    explicit TableButton(const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A read-only result box: its background and text colour come from the
// palette, with a thin dark border and no 3-D frame, so a 19 pixel high box
// holds its 13 pixel bold text.
class ResultBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit ResultBox(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
