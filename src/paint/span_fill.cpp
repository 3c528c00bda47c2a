#include "paint/span_fill.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

constexpr int kHatchSpacing = 8;

int positiveModulo(long long value, int modulus) {
    const auto rest = static_cast<int>(value % modulus);
    return rest < 0 ? rest + modulus : rest;
}

// Sets the hatch pixels of row y in [from, to): x = -y and x = y modulo the spacing.
void hatchSpan(QRgb* row, int y, int from, int to, QRgb colour) {
    for (const int phase : {positiveModulo(-static_cast<long long>(y), kHatchSpacing),
                            positiveModulo(y, kHatchSpacing)}) {
        int x = from + positiveModulo(static_cast<long long>(phase) - from, kHatchSpacing);
        for (; x < to; x += kHatchSpacing)
            row[x] = colour;
    }
}

} // namespace

namespace {

// A polygon edge that is not horizontal, in the direction of increasing y.
struct Edge {
    double top;    // y of the upper end
    double bottom; // y of the lower end
    double xAtTop;
    double slope; // change of x per unit of y
};

} // namespace

void fillPolygonHatched(QImage& image, const std::vector<Point>& points, QRgb colour) {
    if (points.size() < 3)
        return;
    std::vector<Edge> edges;
    edges.reserve(points.size());
    double top = points[0].y;
    double bottom = points[0].y;
    for (std::size_t e = 0; e < points.size(); ++e) {
        const Point& a = points[e];
        const Point& b = points[(e + 1) % points.size()];
        top = std::min(top, static_cast<double>(a.y));
        bottom = std::max(bottom, static_cast<double>(a.y));
        if (a.y == b.y)
            continue;
        const Point& upper = a.y < b.y ? a : b;
        const Point& lower = a.y < b.y ? b : a;
        edges.push_back({static_cast<double>(upper.y), static_cast<double>(lower.y), static_cast<double>(upper.x),
                         static_cast<double>(lower.x - upper.x) / (static_cast<double>(lower.y) - upper.y)});
    }
    // Rows whose pixel centre lies within the polygon's vertical extent, clipped to the image.
    const int firstRow = static_cast<int>(std::max(0.0, std::ceil(top - 0.5)));
    const int lastRow = static_cast<int>(std::min(static_cast<double>(image.height()), std::ceil(bottom - 0.5)));
    const double width = image.width();
    std::vector<double> crossings;
    crossings.reserve(edges.size());
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = firstRow; y < lastRow; ++y) {
        const double centreY = y + 0.5;
        crossings.clear();
        // Half-open in y, so a vertex shared by two edges counts once.
        for (const Edge& edge : edges)
            if (edge.top <= centreY && centreY < edge.bottom)
                crossings.push_back(edge.xAtTop + (centreY - edge.top) * edge.slope);
        std::sort(crossings.begin(), crossings.end());
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        for (std::size_t c = 0; c + 1 < crossings.size(); c += 2) {
            // Pixels whose centre x + 0.5 lies within [left crossing, right crossing).
            const int first = static_cast<int>(std::clamp(std::ceil(crossings[c] - 0.5), 0.0, width));
            const int last = static_cast<int>(std::clamp(std::ceil(crossings[c + 1] - 0.5), 0.0, width));
            if (first < last)
                hatchSpan(row, y, first, last, colour);
        }
    }
}

void fillEllipse(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
    if (right <= left || bottom <= top)
        return;
    const double radiusX = (right - left) / 2.0;
    const double radiusY = (bottom - top) / 2.0;
    const double centreX = left + radiusX;
    const double centreY = top + radiusY;
    const int firstRow = std::max(top, 0);
    const int lastRow = std::min(bottom, image.height());
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = firstRow; y < lastRow; ++y) {
        const double dy = (y + 0.5 - centreY) / radiusY;
        const double reach = radiusX * std::sqrt(std::max(0.0, 1 - dy * dy));
        const int first = std::max(static_cast<int>(std::ceil(centreX - reach - 0.5)), std::max(left, 0));
        const int last = std::min(static_cast<int>(std::ceil(centreX + reach - 0.5)), std::min(right, image.width()));
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        for (int x = first; x < last; ++x)
            row[x] = colour;
    }
}

} // namespace kelvane
