#include "paint/qpainter_canvas.h"

#include "paint/pixel_line.h"
#include "paint/span_fill.h"

namespace kelvane {

namespace {

QRgb toQRgb(std::int32_t colour) { return 0xFF000000u | (static_cast<QRgb>(colour) & 0xFFFFFFu); }

} // namespace

QPainterCanvas::QPainterCanvas(int width, int height)
    : PainterCanvas(width, height),
      image_(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    beginPainting(&image_, image_.width(), image_.height());
}

QPainterCanvas::~QPainterCanvas() {
    endPainting();
}

void QPainterCanvas::ellipse(int left, int top, int right, int bottom) {
    if (right > left && bottom > top && penStyle() == PenStyle::Clear && brushStyle() == BrushStyle::Solid) {
        // Joint dots come by the ten thousand: filled directly, without the general rasteriser.
        fillEllipse(image_, left, top, right, bottom, toQRgb(brushColour()));
        return;
    }
    PainterCanvas::ellipse(left, top, right, bottom);
}

void QPainterCanvas::polygon(const std::vector<Point>& points) {
    if (points.empty() || brushStyle() != BrushStyle::DiagonalCross) {
        PainterCanvas::polygon(points);
        return;
    }
    // Shells cover large areas many times over; only the hatch pixels are written.
    fillPolygonHatched(image_, points, toQRgb(brushColour()));
    if (penStyle() != PenStyle::Clear)
        for (std::size_t p = 0; p < points.size(); ++p) {
            const Point& from = points[p];
            const Point& to = points[(p + 1) % points.size()];
            drawPixelLine(image_, from.x, from.y, to.x, to.y, penWidth(), toQRgb(penColour()));
        }
}

void QPainterCanvas::lineTo(int x, int y) {
    const Point from = position();
    if (penStyle() != PenStyle::Clear)
        drawPixelLine(image_, from.x, from.y, x, y, penWidth(), toQRgb(penColour()));
    moveTo(x, y);
}

const QImage& QPainterCanvas::image() { return image_; }

void QPainterCanvas::resize(int width, int height) {
    endPainting();
    image_ = QImage(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_RGB32);
    image_.fill(Qt::white);
    beginPainting(&image_, image_.width(), image_.height());
}

} // namespace kelvane
