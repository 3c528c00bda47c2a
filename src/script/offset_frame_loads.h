#pragma once

#include "script/block_writers.h"

// Loads on a frame whose element is offset from its joints (rigid end zones, insertion points).
// SAP2000 loads the frame over its whole length: what lies on a rigid zone goes straight to its
// joint, what lies on the element's flexible length goes to the element's ends by the exact
// fixed-end solution; both reach the joints through the rigid offsets, with the moments of their
// levers. The script writes them as joint loads, since the solver's element loads act on the
// flexible length alone.
namespace kelvane {

// Whether the frame's element is offset from either joint.
bool hasEndOffsets(const ModelStore& store, int frame);

// A load of kind 2, 3 or 4 on such a frame.
void writeOffsetFrameLoad(const ScriptInput& in, ScriptWriter& out, const TLOAD& load);

} // namespace kelvane
