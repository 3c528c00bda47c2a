#pragma once

#include "paint/qpainter_canvas.h"

#include <QWidget>

namespace kelvane {

// The main window's drawing surface: shows the off-screen canvas the model is painted on, sized to
// the widget, and passes mouse presses, moves and releases on as pixel positions.
class DrawingSurface : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    // Paint here, then call update() to show the picture.
    Canvas& canvas() { return canvas_; }
    const QImage& image() { return canvas_.image(); }

  signals:
    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(int x, int y);
    void mouseReleased(int x, int y);
    // Wheel turns over the surface, in eighths of a degree (one notch is 120).
    void wheelTurned(int angleDelta);
    // The canvas now has the new size and needs a full redraw.
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QPainterCanvas canvas_;
};

} // namespace kelvane
