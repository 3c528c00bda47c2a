#pragma once

#include "paint/painter_canvas.h"

#include <QImage>

namespace kelvane {

// The Canvas painted on an off-screen RGB image. Lines, hatched polygons and outline-free dots are
// written directly into the image (see pixel_line.h, span_fill.h); everything else goes through
// QPainter (see PainterCanvas).
class QPainterCanvas : public PainterCanvas {
  public:
    QPainterCanvas(int width, int height);
    ~QPainterCanvas() override;

    void ellipse(int left, int top, int right, int bottom) override;
    void polygon(const std::vector<Point>& points) override;
    void lineTo(int x, int y) override;

    // The picture so far (ends nothing: drawing may continue afterwards).
    const QImage& image();
    // Starts over on a surface of a new size (contents undefined until the next background).
    void resize(int width, int height);

  private:
    QImage image_;
};

} // namespace kelvane
