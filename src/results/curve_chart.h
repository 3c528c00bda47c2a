#pragma once

#include "results/curves.h"
#include "viewer/canvas.h"

#include <string>
#include <vector>

// Charts of curves drawn on the Canvas: the Curves window shows them, and `kelvane-cli plot` and
// `batch collect` write them as PNG or SVG, so the command line draws without window code.
namespace kelvane {

// How a curve is drawn: a line through its points (the pushover curve, the histories) or a bar per
// point (the periods of the modes).
enum class ChartKind { Line, Bars };

// An axis from a round number at or below the values to one at or above them, in 4 to 16 steps of
// 1, 2 or 5 times a power of ten; from zero when `fromZero` (bars, families of curves).
struct ChartAxis {
    double first = 0;
    double last = 1;
    double step = 1;
    int decimals = 0; // as many as the step needs
};
ChartAxis chartAxis(const std::vector<double>& values, bool fromZero);

// A tick's label: `decimals` decimals, thousands set apart by blanks ("2 000 000"), never "-0".
std::string chartTickLabel(double value, int decimals);

// The chart of one curve over the whole canvas: its title, the axes with their titles (which carry
// the units), grid lines at the ticks, and the curve as a line per stage of the analysis (with
// markers for a few points) or as bars.
void drawCurveChart(Canvas& canvas, const Curve& curve, ChartKind kind);

// Several curves on shared axes that start from zero, each line in a colour of its own with its
// points marked, named in a legend at the right by the curve's title; the axes take the titles of
// the first curve.
void drawCurvesChart(Canvas& canvas, const std::string& title, const std::vector<Curve>& curves);

} // namespace kelvane
