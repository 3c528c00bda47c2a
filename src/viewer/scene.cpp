#include "viewer/scene.h"

#include "viewer/projection.h"
#include "viewer/scene_layers.h"

namespace kelvane {
namespace {

// The damage legend starts at the top, or below the contour legend's seven lines when both show.
constexpr int kDamageLegendTop = 8;
constexpr int kDamageLegendBelowContour = 8 + 7 * 16 + 8;

} // namespace

void RedrawModel(Canvas& canvas, const Scene& scene) {
    ModelStore& model = scene.model;
    const ViewOptions& options = scene.options;
    const int width = canvas.width();
    const int height = canvas.height();

    const ResultDisplay& results = scene.results;
    const bool diagram = results.forces.component != ForceNone;

    DrawBackground(canvas);
    ProjectNodes(model, scene.view, results.DeformationScale, width, height);
    ProjectFrames(model, scene.view, width, height);

    if (showsDeformedShape(results))
        DrawUndeformedFrames(canvas, model, scene.view);
    if (diagram)
        DrawForceDiagrams(canvas, model, scene.view, results.forces);
    if (options.node)
        DrawNodes(canvas, model);
    if (options.nodeSupport)
        DrawSupports(canvas, model, scene.colours);
    if (options.frame) {
        DrawFrames(canvas, model);
        if (scene.selectedFrame != 0)
            DrawSelectedFrame(canvas, model, scene.selectedFrame);
    }
    if (options.nodeLabels)
        DrawNodeLabels(canvas, model);
    if (options.frameLabels)
        DrawFrameLabels(canvas, model);
    if (options.frameAxis)
        DrawFrameAxes(canvas, model);
    if (options.diaphragms)
        DrawDiaphragms(canvas, model);
    if (options.hingeCircle)
        DrawHingeCircles(canvas, model, scene.colours, results);
    if (results.damage.step != 0)
        DrawDamageMarks(canvas, model, results.damage);
    if (options.shellElement)
        DrawShells(canvas, model);
    if (options.shellLabels)
        DrawShellLabels(canvas, model);
    if (options.momentRelease)
        DrawMomentReleases(canvas, model);
    if (options.solidElement)
        DrawSolids(canvas, model);
    if (options.solidLabel)
        DrawSolidLabels(canvas, model);

    const LoadDisplay& loads = scene.loadDisplay;
    if (loads.loadCase != 0 && loads.loadType == 1)
        DrawPointLoads(canvas, model, loads.loadCase);
    if (loads.loadCase != 0 && loads.loadType == 2)
        DrawElementLoads(canvas, model, loads.loadCase);

    if (diagram) {
        DrawForceDiagramValues(canvas, model, scene.view, results.forces);
        DrawForceLegend(canvas, model, results.forces);
    }
    const bool contourLegend = options.hingeCircle && results.sectionStep != 0;
    if (contourLegend)
        DrawContourLegend(canvas, scene.colours, results);
    if (showsDeformedShape(results))
        DrawDeformationCaption(canvas, results);
    if (results.damage.step != 0)
        DrawDamageLegend(canvas, results.damage,
                         contourLegend ? kDamageLegendBelowContour : kDamageLegendTop);
}

} // namespace kelvane
