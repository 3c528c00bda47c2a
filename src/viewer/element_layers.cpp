#include "common/number_format.h"
#include "viewer/projection.h"
#include "viewer/scene_access.h"
#include "viewer/scene_layers.h"

#include <array>
#include <vector>

namespace kelvane {

namespace {

int areaCountOf(const ModelStore& model) { return boundedCount(model.areaCount, model.shells.size()); }
int solidCountOf(const ModelStore& model) { return boundedCount(model.solidCount, model.solids.size()); }

bool isShellArea(const ModelStore& model, const TSHELL& area) {
    return shellSectionOf(model, area.section).isShell == 1;
}

// The pixel points of the given joints; false when any number is not a joint.
template <std::size_t N>
bool cornerPoints(const ModelStore& model, const std::array<std::int32_t, N>& joints,
                  std::array<Point, N>& points) {
    for (std::size_t c = 0; c < N; ++c)
        if (!jointPoint(model, joints[c], points[c]))
            return false;
    return true;
}

template <std::size_t N>
Point meanPoint(const std::array<Point, N>& points) {
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    for (const Point& p : points) {
        sumX += p.x;
        sumY += p.y;
    }
    return {roundToPixel(static_cast<double>(sumX) / N), roundToPixel(static_cast<double>(sumY) / N)};
}

// The pixel points of an area's corners: three for a triangle (no fourth joint), else four; false
// when any number is not a joint.
bool areaCornerPoints(const ModelStore& model, const TSHELL& area, std::vector<Point>& points) {
    const std::array<std::int32_t, 4> joints = {area.node1, area.node2, area.node3, area.node4};
    points.resize(area.node4 == 0 ? 3 : 4);
    for (std::size_t c = 0; c < points.size(); ++c)
        if (!jointPoint(model, joints[c], points[c]))
            return false;
    return true;
}

Point meanPoint(const std::vector<Point>& points) {
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    for (const Point& p : points) {
        sumX += p.x;
        sumY += p.y;
    }
    const auto n = static_cast<double>(points.size());
    return {roundToPixel(static_cast<double>(sumX) / n), roundToPixel(static_cast<double>(sumY) / n)};
}

std::array<std::int32_t, 8> cornersOf(const TSOLID& solid) {
    return {solid.node1, solid.node2, solid.node3, solid.node4,
            solid.node5, solid.node6, solid.node7, solid.node8};
}

void drawGreyLabelSetup(Canvas& canvas) {
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(rgb(128, 128, 128));
    canvas.setFontColour(kBlack);
    canvas.setFontSize(10);
}

} // namespace

void DrawShells(Canvas& canvas, const ModelStore& model) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    canvas.setBrushStyle(BrushStyle::DiagonalCross);
    const int count = areaCountOf(model);
    std::vector<Point> corners;
    for (int k = 1; k <= count; ++k) {
        const TSHELL& area = model.shells[static_cast<std::size_t>(k)];
        if (!isShellArea(model, area) || !areaCornerPoints(model, area, corners))
            continue;
        canvas.setBrushColour(shellSectionOf(model, area.section).colour);
        canvas.polygon(corners);
    }
    canvas.setBrushStyle(BrushStyle::Solid);
}

void DrawShellLabels(Canvas& canvas, const ModelStore& model) {
    drawGreyLabelSetup(canvas);
    const int count = areaCountOf(model);
    std::vector<Point> corners;
    for (int k = 1; k <= count; ++k) {
        const TSHELL& area = model.shells[static_cast<std::size_t>(k)];
        if (!isShellArea(model, area) || !areaCornerPoints(model, area, corners))
            continue;
        const Point at = meanPoint(corners);
        canvas.textOut(at.x, at.y, labelOrNumber(area.label, k));
    }
}

void DrawSolids(Canvas& canvas, const ModelStore& model) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    const int count = solidCountOf(model);
    for (int k = 1; k <= count; ++k) {
        std::array<Point, 8> p;
        if (!cornerPoints(model, cornersOf(model.solids[static_cast<std::size_t>(k)]), p))
            continue;
        for (int face = 0; face < 8; face += 4) {
            canvas.moveTo(p[face].x, p[face].y);
            for (int c = 1; c <= 4; ++c)
                canvas.lineTo(p[face + c % 4].x, p[face + c % 4].y);
        }
        for (int c = 0; c < 4; ++c)
            drawLine(canvas, p[c], p[c + 4]);
    }
}

void DrawSolidLabels(Canvas& canvas, const ModelStore& model) {
    drawGreyLabelSetup(canvas);
    const int count = solidCountOf(model);
    for (int k = 1; k <= count; ++k) {
        std::array<Point, 8> corners;
        const TSOLID& solid = model.solids[static_cast<std::size_t>(k)];
        if (!cornerPoints(model, cornersOf(solid), corners))
            continue;
        const Point at = meanPoint(corners);
        canvas.textOut(at.x, at.y, labelOrNumber(solid.label, k));
    }
}

} // namespace kelvane
