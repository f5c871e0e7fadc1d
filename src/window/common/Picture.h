#pragma once

#include "window/common/Artwork.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

// A picture control: paints its artwork and reports presses and clicks on it.
// With no artwork it is a bare click area over what lies beneath.
class Picture : public QWidget {
    Q_OBJECT
  public:
    explicit Picture(ArtworkId art, QWidget* parent = nullptr);

    ArtworkId artwork() const { return m_art; }
    void setArtwork(ArtworkId art);

    // Marks painted over the artwork but never into its cache, so clearing
    // them (an empty function) gives back the picture exactly as it was.
    using Overlay = std::function<void(QPainter&)>;
    void setOverlay(Overlay overlay);
    bool hasOverlay() const { return static_cast<bool>(m_overlay); }

    // Shown larger than designed (`designed` is the size at 100 %, `zoom`
    // the step's factor): the artwork and the overlay are drawn afresh at the
    // picture's size, never a bitmap stretched, in the coordinates they have
    // at 100 %.
    void setZoom(QSize designed, double zoom);
    // Where a point of the control lies on the artwork at 100 %, the place
    // hit-testing works on. Divided by the step itself, not by the rounded
    // size, so a press at k x zoom comes back to k exactly and a line of the
    // hit-test grid stays on its line at every step.
    QPointF ArtworkPoint(QPointF position) const;

  signals:
    void pressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF position);
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The artwork drawn once per size and device pixel ratio: the wheel is
    // repainted under the moving ball on every tick of a spin.
    const QPixmap& Rendered();
    // Maps the artwork's 100 % coordinates onto the control as it is now.
    void ScaleToSize(QPainter& painter) const;
    bool Zoomed() const { return !m_designed.isEmpty() && m_designed != size(); }

    ArtworkId m_art;
    QPixmap m_cache;
    Overlay m_overlay;
    QSize m_designed; // empty: drawn at whatever size it has
    double m_zoom = 1.0;
    Qt::MouseButton m_pressedButton = Qt::NoButton;
};
