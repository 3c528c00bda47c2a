#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "viewer/canvas.h"
#include "viewer/view_state.h"

#include <cstdint>

namespace kelvane {

// Everything one full redraw reads. The projection writes the pixel points into `model`.
struct Scene {
    ModelStore& model;
    const ViewState& view;
    const ViewOptions& options;
    const LoadDisplay& loadDisplay;
    const ResultDisplay& results;
    const ColourTable& colours;
    std::int32_t selectedFrame = 0;
};

// The one full redraw: background, projection of joints and frames (at the canvas's size), the
// undeformed frames behind a deformed shape and the filled force diagram, then every layer
// switched on, in their fixed order, each painting over the earlier ones, and last the diagram's
// end values and the captions of the results shown.
void RedrawModel(Canvas& canvas, const Scene& scene);

} // namespace kelvane
