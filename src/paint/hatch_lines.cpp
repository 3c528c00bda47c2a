#include "paint/hatch_lines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kelvane {
namespace {

constexpr int kHatchSpacing = 8;

// The lines x + sign * y = c, c a multiple of the spacing, cut to the polygon: each line's crossings
// with the edges, in order along it, pair up into the segments inside.
void addFamily(const std::vector<Point>& points, int sign, int width, int height,
               std::vector<HatchLine>& lines) {
    auto across = [sign](double x, double y) { return x + sign * y; };
    double low = across(points[0].x, points[0].y), high = low;
    for (const Point& p : points) {
        low = std::min(low, across(p.x, p.y));
        high = std::max(high, across(p.x, p.y));
    }
    // Only lines that cross the surface: a polygon far larger than it costs nothing more.
    low = std::max(low, sign > 0 ? 0.0 : -static_cast<double>(height));
    high = std::min(high, sign > 0 ? static_cast<double>(width) + height : static_cast<double>(width));
    std::vector<std::pair<double, double>> crossings; // (x, y) where the line crosses an edge
    for (double c = std::ceil(low / kHatchSpacing) * kHatchSpacing; c <= high; c += kHatchSpacing) {
        crossings.clear();
        for (std::size_t e = 0; e < points.size(); ++e) {
            const Point& a = points[e];
            const Point& b = points[(e + 1) % points.size()];
            const double sa = across(a.x, a.y), sb = across(b.x, b.y);
            // Half-open in c, so that a line through a vertex counts it once.
            if ((sa <= c) == (sb <= c))
                continue;
            const double f = (c - sa) / (sb - sa);
            crossings.emplace_back(a.x + f * (b.x - a.x), a.y + f * (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
            lines.push_back(
                {crossings[k].first, crossings[k].second, crossings[k + 1].first, crossings[k + 1].second});
    }
}

} // namespace

std::vector<HatchLine> hatchLines(const std::vector<Point>& points, int width, int height) {
    std::vector<HatchLine> lines;
    if (points.size() < 3)
        return lines;
    addFamily(points, 1, width, height, lines);
    addFamily(points, -1, width, height, lines);
    return lines;
}

} // namespace kelvane
