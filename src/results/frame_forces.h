#pragma once

#include "model/model_store.h"
#include "viewer/view_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Member end forces read back from the element force recorder files ("localForce") into each
// frame's endForces, turned into the frame's local axes and the sign convention of the model file.
namespace kelvane {

inline constexpr int kEndForceCount = 12;
using EndForces = std::array<double, kEndForceCount>;

enum FrameEnd : int { EndI = 0, EndJ = 1 };

// How many values a frame writes into one line of the element force recorder: the solver's
// twelve local end forces for beam-columns and trusses, the three material forces of the rigid
// link's zero-length element, nothing for a frame without an element.
int forceValueCount(std::int32_t elementType);

// Whether the frame's element records end forces (beam-columns and trusses).
bool hasForceOutput(std::int32_t elementType);

// The solver's local end forces of one element as the recorder writes them (N, Vy, Vz, T, My, Mz
// at node I, then at node J: the forces the joints exert on the element along its local x, y, z)
// as N (axial, tension positive), V2, V3, T, M2, M3 at end I, then at end J. The script's
// geomTransf takes local 2 as its vecxz, so the solver's z is local 2 and its y is minus local 3.
// The result follows the model file's convention: N, V2, V3 and T act along the positive local
// axes on the positive face (end J) and along the negative axes on the negative face (end I); a
// positive M3 compresses the face on the positive 2 side, a positive M2 the face on the positive
// 3 side.
EndForces frameEndForces(const EndForces& solverLocal);

// Reads line `step` (1-based) of the element force recorder files in `folder`: ele{k}.out,
// k = 1..q for the whole blocks of 100 frames and 0 for the remainder, block by block in frame
// order, each frame's values at its own offset in the line (forceValueCount). Frames with force
// output get their endForces and hasEndForces; the others are cleared. A failure stops the read;
// the frames read before it keep their values, also those of the failing line in front of the
// field that failed.
void loadFrameForces(ModelStore& store, const std::string& folder, std::int32_t step);

// Component 1..6 (N, V2, V3, T, M2, M3) of a frame's end forces at one end.
inline double endForce(const TFRAME& frame, FrameEnd end, std::int32_t component) {
    return frame.endForces[static_cast<std::size_t>(6 * end + component - 1)];
}

} // namespace kelvane
