#include "common/number_format.h"
#include "results/mode_periods.h"
#include "viewer/force_diagram.h"
#include "viewer/projection.h"
#include "viewer/scene_access.h"
#include "viewer/scene_layers.h"

#include <cmath>

namespace kelvane {
namespace {

constexpr std::int32_t kUndeformedGrey = rgb(200, 200, 200);
constexpr int kCaptionSize = 9;
constexpr int kLineHeight = 16;
constexpr int kLegendWidth = 190;
constexpr const char* kSectionComponentNames[] = {"", "Axial Strain", "Curvature Kz", "Curvature Ky"};

void setCaptionText(Canvas& canvas) {
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setFontColour(kBlack);
    canvas.setFontSize(kCaptionSize);
}

// The value where contour band `band` ends and band + 1 begins (hingeBand rounds to the nearest band).
double bandEdge(const ResultDisplay& results, int band) {
    return results.ColourRangeMin + (band + 0.5) * (results.ColourRangeMax - results.ColourRangeMin) / 6;
}

} // namespace

bool showsDeformedShape(const ResultDisplay& results) {
    return results.DeformationScale != 0 && (results.displacementStep != 0 || results.mode != 0);
}

void DrawUndeformedFrames(Canvas& canvas, const ModelStore& model, const ViewState& view) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kUndeformedGrey);
    const Projector project(view, canvas.width(), canvas.height());
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k) {
        const TFRAME& frame = model.frames[static_cast<std::size_t>(k)];
        const TNODE* i = jointAt(model, frame.nodeI);
        const TNODE* j = jointAt(model, frame.nodeJ);
        if (i == nullptr || j == nullptr || frameSectionOf(model, frame.section).elementType == RigidLink)
            continue;
        drawLine(canvas, project(i->x, i->y, i->z), project(j->x, j->y, j->z));
    }
}

void DrawDeformationCaption(Canvas& canvas, const ResultDisplay& results) {
    setCaptionText(canvas);
    std::string caption;
    if (results.mode != 0) {
        caption = "Mode " + formatInt(results.mode) + ": ";
        caption += results.modePeriod > 0 ? modePeriodText(results.modePeriod, results.modeFrequency)
                                          : std::string("period not known (no ") + kPeriodsFileName + ")";
    } else {
        caption = "Deformed shape, step " + formatInt(results.displacementStep);
    }
    caption += ", scale " + formatGeneral(results.DeformationScale);
    canvas.textOut(8, canvas.height() - 8 - kLineHeight, caption);
}

void DrawContourLegend(Canvas& canvas, const ColourTable& colours, const ResultDisplay& results) {
    const int left = canvas.width() - kLegendWidth;
    int top = 8;
    setCaptionText(canvas);
    const int component =
        results.sectionComponent >= 1 && results.sectionComponent <= 3 ? results.sectionComponent : 0;
    canvas.textOut(left, top,
                   std::string(kSectionComponentNames[component]) + ", step " +
                       formatInt(results.sectionStep));
    const bool flat = results.ColourRangeMax == results.ColourRangeMin;
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    for (int band = 6; band >= 1; --band) {
        top += kLineHeight;
        canvas.setBrushStyle(BrushStyle::Solid);
        canvas.setBrushColour(colours[10 + band]);
        canvas.rectangle(left, top + 1, left + 16, top + 13);
        std::string range;
        if (flat)
            range = band == 1 ? "all " + formatE(results.ColourRangeMin, 3) : "";
        else if (band == 6)
            range = "from " + formatE(bandEdge(results, 5), 3);
        else if (band == 1)
            range = "below " + formatE(bandEdge(results, 1), 3);
        else
            range = formatE(bandEdge(results, band - 1), 3) + " to " + formatE(bandEdge(results, band), 3);
        canvas.setBrushStyle(BrushStyle::Clear);
        canvas.textOut(left + 22, top, range);
    }
}

void DrawForceLegend(Canvas& canvas, const ModelStore& model, const ForceDiagram& diagram) {
    setCaptionText(canvas);
    const std::string unit = forceUnitName(diagram.component, diagram.units);
    const DiagramExtreme extreme = largestDiagramValue(model, diagram.component);
    const int top = canvas.height() - 8 - 4 * kLineHeight;
    canvas.textOut(
        8, top, forceComponentName(diagram.component) + " [" + unit + "], step " + formatInt(diagram.step));
    if (extreme.frame == 0) {
        canvas.textOut(8, top + kLineHeight, "no frame has end forces");
        return;
    }
    canvas.textOut(8, top + kLineHeight,
                   "largest " +
                       formatSignificant(forceInUnits(extreme.value, diagram.component, diagram.units), 4) +
                       " " + unit + " on frame " + formatInt(extreme.frame));
}

} // namespace kelvane
