#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

namespace kelvane {

// The name of degree of freedom 1..6 (UX, UY, UZ, RX, RY, RZ); "" for any other number.
const char* dofName(int dof);

// Stops with a message naming the joint and the degree of freedom when a displacement-controlled
// procedure (Single Displacement Control, Gravity+PushOver) would push a joint the solver cannot
// move in the control degree of freedom: no such joint or degree of freedom, a support restrained
// there, a rigid-diaphragm master (fixed in UZ, RX and RY), a diaphragm member (tied to its master
// in UX, UY and RZ), or the joint a rigid link ties to its other end (UX, UY and UZ). The solver
// would stop at the first step with "dof is fixed or constrained".
void checkControlJoint(const ModelStore& store, const AnalysisSettings& analysis, int dofsPerNode);

} // namespace kelvane
