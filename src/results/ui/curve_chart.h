#pragma once

#include "results/curves.h"

#include <QSize>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class QChart;

namespace kelvane {

// How a curve is drawn: a line through its points (the pushover curve, the histories) or a bar per
// point (the periods of the modes).
enum class ChartKind { Line, Bars };

// A chart of the curve with its title and named axes.
std::unique_ptr<QChart> makeCurveChart(const Curve& curve, ChartKind kind);

// Draws a fresh chart of the curve at `size` pixels into a PNG or SVG file, chosen by the name's
// ending (.png or .svg, any letter case). The file is written whole or not at all; a name of
// another kind and a file that cannot be written stop with a message naming it.
void saveCurvePicture(const Curve& curve, ChartKind kind, const QString& path, QSize size);

// A chart of several curves on shared axes that start from zero, each line in a colour of its own,
// with its points marked, and named in the legend by the curve's title; the axes take the titles of
// the first curve.
std::unique_ptr<QChart> makeCurvesChart(const std::string& title, const std::vector<Curve>& curves);

// Draws a fresh chart of the curves as saveCurvePicture draws one.
void saveCurvesPicture(const std::string& title, const std::vector<Curve>& curves, const QString& path,
                       QSize size);

// True when the path names a picture saveCurvePicture writes.
bool isCurvePicturePath(const QString& path);

} // namespace kelvane
