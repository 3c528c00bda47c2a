#pragma once

#include "script/block_writers.h"

// The script lines of a frame load of kind 3 (along part of the frame, or varying along it) or
// kind 4 (at a point). Where the frame's element takes such a load itself and honours it, the
// load is the solver's element load (eleLoad -beamUniform with its extent and end intensities,
// eleLoad -beamPoint); where it does not, the joints at the element's ends take the loads of the
// exact fixed-end solution (of statics alone for trusses and rigid links, which take no beam
// load):
//   elasticBeamColumn        forces uniform over part of the span and point forces: element loads;
//                            forces that vary along the span (the solver keeps only their start
//                            value) and moments: joint loads
//   ElasticTimoshenkoBeam    joint loads, with the shear deflection in the fixed-end solution (the
//                            solver takes uniform loads over the whole span only)
//   nonlinearBeamColumn,     forces, uniform or varying, over part or all of the span (varying
//   beamWithHinges           over the whole span in two halves, since the solver keeps only the
//                            start value of those) and point forces: element loads; moments:
//                            joint loads
//   dispBeamColumn           point forces: element loads; distributed forces (the solver takes
//                            none over part of the span) and moments: joint loads, which are what
//                            its cubic shape functions make of them
namespace kelvane {

void writeFrameSpanLoad(const ScriptInput& in, ScriptWriter& out, const TLOAD& load);

// A load of kind 2 (uniform over the whole span): the solver's element load, except on a truss or
// a rigid link, which take no beam load (the solver would drop it with a warning): there the
// joints take it by statics, as for a load of kind 3.
void writeUniformFrameLoad(const ScriptInput& in, ScriptWriter& out, const TLOAD& load);

} // namespace kelvane
