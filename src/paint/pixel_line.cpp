#include "paint/pixel_line.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace kelvane {

namespace {

struct Segment {
    double x0, y0, x1, y1;
};

// Liang-Barsky clipping against [left, right] x [top, bottom]; false when nothing is left.
bool clip(Segment& s, double left, double top, double right, double bottom) {
    const double dx = s.x1 - s.x0;
    const double dy = s.y1 - s.y0;
    double enter = 0;
    double leave = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x0 - left, right - s.x0, s.y0 - top, bottom - s.y0};
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0) {
            if (q[edge] < 0)
                return false;
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return false;
    }
    s = {s.x0 + enter * dx, s.y0 + enter * dy, s.x0 + leave * dx, s.y0 + leave * dy};
    return true;
}

// Bresenham between two points that lie inside the image.
void bresenham(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    const auto stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    QRgb* pixels = reinterpret_cast<QRgb*>(image.bits());
    int error = dx + dy;
    for (;;) {
        pixels[y0 * stride + x0] = colour;
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

} // namespace

void drawPixelLine(QImage& image, int x0, int y0, int x1, int y1, int width, QRgb colour) {
    if (width < 1)
        width = 1;
    const bool xMajor = std::abs(static_cast<std::int64_t>(x1) - x0) >= std::abs(static_cast<std::int64_t>(y1) - y0);
    const int firstOffset = -(width - 1) / 2;
    for (int offset = firstOffset; offset < firstOffset + width; ++offset) {
        Segment s{static_cast<double>(x0), static_cast<double>(y0), static_cast<double>(x1),
                  static_cast<double>(y1)};
        if (xMajor) {
            s.y0 += offset;
            s.y1 += offset;
        } else {
            s.x0 += offset;
            s.x1 += offset;
        }
        if (!clip(s, 0, 0, image.width() - 1, image.height() - 1))
            continue;
        bresenham(image, static_cast<int>(std::lround(s.x0)), static_cast<int>(std::lround(s.y0)),
                  static_cast<int>(std::lround(s.x1)), static_cast<int>(std::lround(s.y1)), colour);
    }
}

} // namespace kelvane
