#pragma once

#include "results/curve_chart.h"

#include <QImage>

#include <string>
#include <vector>

namespace kelvane {

// The charts of results/curve_chart.h painted on an off-screen image of width x height.
QImage renderCurveChart(const Curve& curve, ChartKind kind, int width, int height);
QImage renderCurvesChart(const std::string& title, const std::vector<Curve>& curves, int width, int height);

// True when the path names a picture the savers below write (.png or .svg, any letter case).
bool isCurvePicturePath(const std::string& path);

// The chart written as a PNG or SVG picture of width x height, chosen by the name's ending, whole
// or not at all; a name of another kind and a file that cannot be written stop with a message
// naming it.
void saveCurvePicture(const Curve& curve, ChartKind kind, const std::string& path, int width, int height);
void saveCurvesPicture(const std::string& title, const std::vector<Curve>& curves, const std::string& path,
                       int width, int height);

} // namespace kelvane
