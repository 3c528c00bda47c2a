#pragma once

#include "model/model_store.h"
#include "tcl/fixed_end_loads.h"

// The elastic properties one frame's element is written with: those of its section times the
// frame's own property modifiers, so that frames of one section may differ (a cracked column
// beside an uncracked one).
namespace kelvane {

struct FrameProperties {
    double area = 0, i22 = 0, i33 = 0, av2 = 0, av3 = 0, torsion = 0;
};

FrameProperties framePropertiesOf(const ModelStore& store, int frame);

// The stiffness the fixed-end solution of a frame's element of the given length takes. Without
// shear deflection the solution does not depend on E I; with it, on its ratio to G As.
SpanStiffness spanStiffnessOf(const ModelStore& store, int frame, double length);

} // namespace kelvane
