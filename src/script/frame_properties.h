#pragma once

#include "model/model_store.h"
#include "script/fixed_end_loads.h"

// The elastic properties one frame's element is written with: those of its section times the
// frame's own property modifiers, so that frames of one section may differ (a cracked column
// beside an uncracked one).
namespace kelvane {

struct FrameProperties {
    double area = 0, i22 = 0, i33 = 0, av2 = 0, av3 = 0, torsion = 0;
};

FrameProperties framePropertiesOf(const ModelStore& store, int frame);

// Whether the frame's element is written as the elastic Timoshenko beam-column: a section that
// deflects in shear, on a frame whose element is not offset from its joints. (The solver's
// Timoshenko beam builds its own transformation from its nodes and silently ignores the joint
// offsets of its geomTransf; such a frame is written as an elastic beam-column without shear
// deflection, which the import reports.)
bool frameDeflectsInShear(const ModelStore& store, int frame);

// The stiffness the fixed-end solution of a frame's element of the given length takes. Without
// shear deflection the solution does not depend on E I; with it, on its ratio to G As.
SpanStiffness spanStiffnessOf(const ModelStore& store, int frame, double length);

} // namespace kelvane
