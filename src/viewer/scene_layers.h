#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "viewer/canvas.h"
#include "viewer/view_state.h"

#include <cstdint>

// The drawing layers of the model picture. Each works only with the pixel points of the last
// projection, sets the pen, brush and font it needs and inherits the rest from the layer before.
// Joint, frame and section numbers outside their tables are skipped, never read.
namespace kelvane {

inline constexpr const char* kTitleFont = "Comic Sans MS";
inline constexpr const char* kTitleText = "Kelvane Program";
inline constexpr const char* kCreditText = "by the Kelvane developers";
inline constexpr const char* kWebAddressText = "http://localhost/kelvane/";

// White surface with a black border and the title block (leaves the brush clear).
void DrawBackground(Canvas& canvas);
void DrawNodes(Canvas& canvas, const ModelStore& model);
void DrawSupports(Canvas& canvas, const ModelStore& model, const ColourTable& colours);
void DrawFrames(Canvas& canvas, const ModelStore& model);
void DrawSelectedFrame(Canvas& canvas, const ModelStore& model, std::int32_t selectedFrame);
void DrawNodeLabels(Canvas& canvas, const ModelStore& model);
void DrawFrameLabels(Canvas& canvas, const ModelStore& model);
void DrawFrameAxes(Canvas& canvas, const ModelStore& model);
void DrawDiaphragms(Canvas& canvas, const ModelStore& model);
void DrawHingeCircles(Canvas& canvas, const ModelStore& model, const ColourTable& colours,
                      const ResultDisplay& results);
void DrawShells(Canvas& canvas, const ModelStore& model);
void DrawShellLabels(Canvas& canvas, const ModelStore& model);
void DrawMomentReleases(Canvas& canvas, const ModelStore& model);
void DrawSolids(Canvas& canvas, const ModelStore& model);
void DrawSolidLabels(Canvas& canvas, const ModelStore& model);
void DrawPointLoads(Canvas& canvas, const ModelStore& model, std::int32_t loadCase);
void DrawElementLoads(Canvas& canvas, const ModelStore& model, std::int32_t loadCase);

// The result layers. The undeformed frames are drawn in light grey behind a deformed shape; the
// force diagram is filled first and its end values written after the other layers; the captions
// (the deformed shape's step or mode and scale, the contour legend, the force legend) come last.
bool showsDeformedShape(const ResultDisplay& results);
void DrawUndeformedFrames(Canvas& canvas, const ModelStore& model, const ViewState& view);
void DrawForceDiagrams(Canvas& canvas, const ModelStore& model, const ViewState& view,
                       const ForceDiagram& diagram);
void DrawForceDiagramValues(Canvas& canvas, const ModelStore& model, const ViewState& view,
                            const ForceDiagram& diagram);
void DrawDeformationCaption(Canvas& canvas, const ResultDisplay& results);
void DrawContourLegend(Canvas& canvas, const ColourTable& colours, const ResultDisplay& results);
void DrawForceLegend(Canvas& canvas, const ModelStore& model, const ForceDiagram& diagram);

// The damaged sections, a mark each in the colour of its worst state, drawn over the frames; the
// legend with the count of every state comes with the captions, from `top` down at the right edge.
void DrawDamageMarks(Canvas& canvas, const ModelStore& model, const DamageDisplay& damage);
void DrawDamageLegend(Canvas& canvas, const DamageDisplay& damage, int top);

// The contour band 1..6 of a hinge value within [ColourRangeMin, ColourRangeMax]; values outside
// clamp to the ends. A range of zero width (or a value that is not a number) gives band 1.
int hingeBand(double value, const ResultDisplay& results);

} // namespace kelvane
