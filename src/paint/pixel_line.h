#pragma once

#include <QImage>

// Straight lines written directly into an RGB32 image: a model has tens of thousands of them and
// the general stroker spends most of its time per call, not per pixel.
namespace kelvane {

// A line of `width` pixels (at least 1) from (x0, y0) to (x1, y1), both ends included: `width`
// parallel one-pixel lines side by side across the line's minor axis. Clipped to the image, so
// points far outside cost nothing.
void drawPixelLine(QImage& image, int x0, int y0, int x1, int y1, int width, QRgb colour);

} // namespace kelvane
