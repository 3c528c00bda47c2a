#include "common/number_format.h"
#include "viewer/projection.h"
#include "viewer/scene_access.h"
#include "viewer/scene_layers.h"

#include <cmath>

namespace kelvane {

namespace {

// The pixel points of a frame's two joints; false when either number is not a joint.
bool framePoints(const ModelStore& model, const TFRAME& frame, Point& i, Point& j) {
    return jointPoint(model, frame.nodeI, i) && jointPoint(model, frame.nodeJ, j);
}

const TFRAME& frameAt(const ModelStore& model, int k) { return model.frames[static_cast<std::size_t>(k)]; }

void drawHingeCircle(Canvas& canvas, const ColourTable& colours, const ResultDisplay& results,
                     double value, int x, int y) {
    canvas.setBrushColour(colours[10 + hingeBand(value, results)]);
    canvas.ellipse(x - 5, y - 5, x + 5, y + 5);
}

} // namespace

void DrawFrames(Canvas& canvas, const ModelStore& model) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(2);
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k) {
        const TFRAME& frame = frameAt(model, k);
        const TSECTION& section = frameSectionOf(model, frame.section);
        Point i, j;
        if (section.elementType == RigidLink || !framePoints(model, frame, i, j))
            continue;
        canvas.setPenColour(section.colour);
        drawLine(canvas, i, j);
    }
}

void DrawSelectedFrame(Canvas& canvas, const ModelStore& model, std::int32_t selectedFrame) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(5);
    canvas.setPenColour(rgb(255, 255, 0));
    if (selectedFrame < 1 || selectedFrame > frameCountOf(model))
        return;
    Point i, j;
    if (framePoints(model, frameAt(model, selectedFrame), i, j))
        drawLine(canvas, i, j);
}

void DrawFrameLabels(Canvas& canvas, const ModelStore& model) {
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(rgb(0, 255, 0));
    canvas.setFontColour(kBlack);
    canvas.setFontSize(10);
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k) {
        Point i, j;
        if (!framePoints(model, frameAt(model, k), i, j))
            continue;
        canvas.textOut(roundToPixel((std::int64_t{i.x} + j.x) / 2.0),
                       roundToPixel((std::int64_t{i.y} + j.y) / 2.0),
                       labelOrNumber(frameAt(model, k).label, k));
    }
}

void DrawFrameAxes(Canvas& canvas, const ModelStore& model) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(rgb(0, 128, 0));
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k) {
        const TFRAME& frame = frameAt(model, k);
        drawLine(canvas, {frame.ScreenX, frame.ScreenY}, {frame.AxisTipX, frame.AxisTipY});
    }
}

int hingeBand(double value, const ResultDisplay& results) {
    const double width = results.ColourRangeMax - results.ColourRangeMin;
    if (width == 0)
        return 1;
    const double band = std::nearbyint((value - results.ColourRangeMin) / width * 6);
    if (std::isnan(band) || band <= 1)
        return 1;
    if (band >= 6)
        return 6;
    return static_cast<int>(band);
}

void DrawHingeCircles(Canvas& canvas, const ModelStore& model, const ColourTable& colours,
                      const ResultDisplay& results) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    canvas.setBrushStyle(BrushStyle::Solid);
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k) {
        const TFRAME& frame = frameAt(model, k);
        if (frame.hasHingeValueI)
            drawHingeCircle(canvas, colours, results, frame.hingeValueI, frame.HingeIX, frame.HingeIY);
        if (frame.hasHingeValueJ)
            drawHingeCircle(canvas, colours, results, frame.hingeValueJ, frame.HingeJX, frame.HingeJY);
    }
}

void DrawMomentReleases(Canvas& canvas, const ModelStore& model) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(2);
    canvas.setBrushColour(rgb(255, 0, 0));
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k) {
        const TFRAME& frame = frameAt(model, k);
        const TSECTION& section = frameSectionOf(model, frame.section);
        Point i, j;
        if (section.elementType != RigidLink || !framePoints(model, frame, i, j))
            continue;
        canvas.setPenColour(section.colour);
        // Integer halves truncated toward zero, unlike the rounded label position.
        const auto mx = static_cast<int>((std::int64_t{i.x} + j.x) / 2);
        const auto my = static_cast<int>((std::int64_t{i.y} + j.y) / 2);
        canvas.ellipse(mx - 5, my - 5, mx + 5, my + 5);
    }
}

} // namespace kelvane
