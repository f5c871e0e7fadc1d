#pragma once

#include <QColor>
#include <QPainterPath>
#include <QWidget>

// One place of the racetrack, a number or a sector: a flat control the shape
// of its cell (presses outside the shape reach whatever lies beneath). It
// only reports presses, hovering and keys; the table decides what they do.
class TrackCell : public QWidget {
    Q_OBJECT
  public:
    // `shape` is in the coordinates of the parent; a caption is drawn at
    // each of `captionAt` (a sector lying on two arcs names both).
    TrackCell(QWidget* parent, const QPainterPath& shape, QColor fill, const QString& caption,
              const QList<QPointF>& captionAt);

    // Chips a previewed press would put on this number; 0 shows none.
    void setMark(int chips);
    int mark() const { return m_mark; }
    // A point inside the cell's shape, in the parent's coordinates.
    QPointF anchor() const { return pos() + m_offset + m_captionAt.first() * m_zoom; }
    // Drawn afresh at a zoom of the track: shape, captions and marks scaled
    // from their places at 100 %, and the cell placed and masked to match.
    void SetZoom(double zoom);

  signals:
    void pressed(Qt::MouseButton button);
    void hovered(bool inside);
    void keyed(int key, Qt::KeyboardModifiers modifiers);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QPainterPath m_shape;   // in own coordinates at 100 %
    QPoint m_designedPlace; // the cell's place in the parent at 100 %
    double m_zoom = 1.0;
    QPointF m_offset; // the part of the scaled place below a whole pixel
    QColor m_fill;
    QString m_caption;
    QList<QPointF> m_captionAt;
    int m_mark = 0;
    bool m_inside = false;
};
