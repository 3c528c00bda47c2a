#pragma once

#include "script/block_writers.h"

// The parts of the analysis block that take the model's modes at run time.
namespace kelvane {

// Rayleigh damping of ratio dampingRatio on mode 1 and mode j: dampingMode when given, else the
// first mode from 2 on where the cumulative effective mass along `direction` reaches 90 % (the
// last mode computed when none does; the script prints the modes and coefficients it takes).
// alphaM = 2 xi w1 wj / (w1 + wj) on the mass and betaK = 2 xi / (w1 + wj) on the committed
// stiffness: the tangent of the last converged step, which follows the elements as they yield, so
// a yielded element keeps no damping force of its elastic stiffness, and which stays fixed while
// a step iterates.
void writeRayleighDamping(const ScriptInput& in, ScriptWriter& out, int direction);

// The lateral pattern of a pushover when pushPattern is not the load case: pattern `tag` with the
// joints' masses along controlDof, alone (uniform) or times the shape of the mode with the largest
// effective mass along controlDof, scaled so that the control joint is pushed forward.
void writePushPattern(const ScriptInput& in, ScriptWriter& out, std::int32_t tag);

} // namespace kelvane
