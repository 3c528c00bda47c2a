#include "common/number_format.h"
#include "viewer/force_diagram.h"
#include "viewer/projection.h"
#include "viewer/scene_access.h"
#include "viewer/scene_layers.h"

#include <cmath>
#include <vector>

namespace kelvane {
namespace {

constexpr std::int32_t kPositiveFill = rgb(255, 230, 90);
constexpr std::int32_t kNegativeFill = rgb(255, 130, 130);
constexpr std::int32_t kDiagramOutline = rgb(64, 64, 64);
// A moment's parabola is drawn as this many chords; straight diagrams need one.
constexpr int kParabolaChords = 16;
// End values this much smaller than the diagram's largest are not written (a plane frame's M2).
constexpr double kNegligibleShare = 1e-6;

// One frame's diagram on the surface: the pixel points of its ends and the pixel offset of one
// unit of the component.
struct DiagramPlacement {
    double iX = 0, iY = 0, jX = 0, jY = 0;
    double unitX = 0, unitY = 0;
    double length = 0;
};

bool placeDiagram(const ModelStore& model, const Projector& project, const TFRAME& frame,
                  std::int32_t component, double scale, DiagramPlacement& placement) {
    Point i, j;
    if (!frame.hasEndForces || !jointPoint(model, frame.nodeI, i) || !jointPoint(model, frame.nodeJ, j))
        return false;
    placement.length = frameLength(model, frame);
    if (placement.length <= 0)
        return false;
    const Vector3 direction = diagramDirection(model, frame, component);
    project.offset(direction.x * scale, direction.y * scale, direction.z * scale, placement.unitX,
                   placement.unitY);
    placement.iX = i.x;
    placement.iY = i.y;
    placement.jX = j.x;
    placement.jY = j.y;
    return true;
}

Point basePoint(const DiagramPlacement& at, double t) {
    return {roundToPixel(at.iX + (at.jX - at.iX) * t), roundToPixel(at.iY + (at.jY - at.iY) * t)};
}

Point tipPoint(const DiagramPlacement& at, double t, double value) {
    return {roundToPixel(at.iX + (at.jX - at.iX) * t + value * at.unitX),
            roundToPixel(at.iY + (at.jY - at.iY) * t + value * at.unitY)};
}

int signOf(double value) {
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

int chordCount(const TFRAME& frame, const DiagramPlacement& at, std::int32_t component) {
    const bool moment = component == ForceM2 || component == ForceM3;
    const double middle = diagramValue(frame, at.length, component, 0.5);
    const double chordMiddle =
        (diagramValue(frame, at.length, component, 0) + diagramValue(frame, at.length, component, 1)) / 2;
    return moment && middle != chordMiddle ? kParabolaChords : 1;
}

// The diagram's curve and its two end ordinates, over the fills.
void outlineFrameDiagram(Canvas& canvas, const TFRAME& frame, const DiagramPlacement& at,
                         std::int32_t component) {
    const int chords = chordCount(frame, at, component);
    const Point start = basePoint(at, 0);
    canvas.moveTo(start.x, start.y);
    for (int k = 0; k <= chords; ++k) {
        const double t = static_cast<double>(k) / chords;
        const Point tip = tipPoint(at, t, diagramValue(frame, at.length, component, t));
        canvas.lineTo(tip.x, tip.y);
    }
    const Point end = basePoint(at, 1);
    canvas.lineTo(end.x, end.y);
}

// The filled area between the frame and the diagram, one polygon per stretch of one sign, split
// where the diagram crosses the frame; without outline, so that the outlines drawn over every fill
// afterwards show where the diagrams of frames meeting at a joint overlap.
void fillFrameDiagram(Canvas& canvas, const TFRAME& frame, const DiagramPlacement& at,
                      std::int32_t component) {
    const int chords = chordCount(frame, at, component);
    std::vector<Point> outline{basePoint(at, 0)};
    int sign = 0;
    auto emit = [&] {
        if (sign != 0) {
            canvas.setBrushColour(sign > 0 ? kPositiveFill : kNegativeFill);
            canvas.polygon(outline);
        }
    };
    double previous = 0;
    for (int k = 0; k <= chords; ++k) {
        const double t = static_cast<double>(k) / chords;
        const double value = diagramValue(frame, at.length, component, t);
        if (sign != 0 && signOf(value) == -sign) {
            const double before = static_cast<double>(k - 1) / chords;
            const double crossing = before + (t - before) * previous / (previous - value);
            outline.push_back(basePoint(at, crossing));
            emit();
            outline.assign(1, basePoint(at, crossing));
            sign = 0;
        }
        if (sign == 0)
            sign = signOf(value);
        outline.push_back(tipPoint(at, t, value));
        previous = value;
    }
    outline.push_back(basePoint(at, 1));
    emit();
}

} // namespace

void DrawForceDiagrams(Canvas& canvas, const ModelStore& model, const ViewState& view,
                       const ForceDiagram& diagram) {
    const DiagramExtreme extreme = largestDiagramValue(model, diagram.component);
    const double scale = diagramScale(model, diagram, extreme);
    canvas.setPenStyle(PenStyle::Clear);
    canvas.setBrushStyle(BrushStyle::Solid);
    if (scale != 0) {
        const Projector project(view, canvas.width(), canvas.height());
        const int count = frameCountOf(model);
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) {
                canvas.setPenStyle(PenStyle::Solid);
                canvas.setPenWidth(1);
                canvas.setPenColour(kDiagramOutline);
            }
            for (int k = 1; k <= count; ++k) {
                const TFRAME& frame = model.frames[static_cast<std::size_t>(k)];
                DiagramPlacement placement;
                if (!placeDiagram(model, project, frame, diagram.component, scale, placement))
                    continue;
                if (pass == 0)
                    fillFrameDiagram(canvas, frame, placement, diagram.component);
                else
                    outlineFrameDiagram(canvas, frame, placement, diagram.component);
            }
        }
    }
    canvas.setPenStyle(PenStyle::Solid);
}

void DrawForceDiagramValues(Canvas& canvas, const ModelStore& model, const ViewState& view,
                            const ForceDiagram& diagram) {
    const DiagramExtreme extreme = largestDiagramValue(model, diagram.component);
    const double scale = diagramScale(model, diagram, extreme);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setFontColour(kBlack);
    canvas.setFontSize(8);
    if (scale == 0)
        return;
    const Projector project(view, canvas.width(), canvas.height());
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k) {
        const TFRAME& frame = model.frames[static_cast<std::size_t>(k)];
        DiagramPlacement placement;
        if (!placeDiagram(model, project, frame, diagram.component, scale, placement))
            continue;
        for (const double t : {0.0, 1.0}) {
            const double value = diagramValue(frame, placement.length, diagram.component, t);
            if (std::fabs(value) < kNegligibleShare * std::fabs(extreme.value))
                continue;
            const Point tip = tipPoint(placement, t, value);
            // Beyond the tip, away from the frame: below it when the diagram points down.
            const bool down = value * placement.unitY > 0;
            canvas.textOut(tip.x + 2, down ? tip.y + 1 : tip.y - 13,
                           formatSignificant(forceInUnits(value, diagram.component, diagram.units), 4));
        }
    }
}

} // namespace kelvane
