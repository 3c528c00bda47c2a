#pragma once

#include "viewer/canvas.h"

#include <QImage>

#include <vector>

// Direct fills of an RGB32 image for the two shapes a large model draws by the ten thousand: the
// diagonally hatched shell polygon and the small solid joint dot. Both sample pixel centres, clip
// to the image and leave every pixel they do not set untouched.
namespace kelvane {

// The pixels of the polygon (odd-even rule) that lie on the diagonal cross-hatch grid, which is
// anchored to the image origin: (x + y) or (x - y) a multiple of 8.
void fillPolygonHatched(QImage& image, const std::vector<Point>& points, QRgb colour);

// The pixels of the ellipse inscribed in the box left .. right - 1, top .. bottom - 1.
void fillEllipse(QImage& image, int left, int top, int right, int bottom, QRgb colour);

} // namespace kelvane
