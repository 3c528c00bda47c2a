#pragma once

#include "viewer/canvas.h"

#include <vector>

// The diagonal cross-hatch of a polygon as line segments, for the SVG picture: a pattern fill
// becomes an SVG <pattern>, which SVG Tiny viewers (Qt's own renderer among them) leave empty. The
// grid is the one the image fill uses: anchored to the origin, lines where x + y or x - y is a
// multiple of 8.
namespace kelvane {

struct HatchLine {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// The parts of the hatch lines inside the polygon (odd-even rule), of the lines that cross a
// surface of width x height pixels.
std::vector<HatchLine> hatchLines(const std::vector<Point>& points, int width, int height);

} // namespace kelvane
