#pragma once

#include "model/model_store.h"

#include <vector>

namespace kelvane {

// The degrees of freedom per node of the script's model: 6 for frames and shells, 3 for a model of
// solids only (a brick element has translations only). Solids mixed with frames or written shells
// stop generation with a message, since one model basic cannot serve both.
int nodeDofCount(const ModelStore& store);

// The number of free degrees of freedom that carry mass in the written script: every non-zero
// mass component of a written mass line whose degree of freedom is not fixed, except that the
// joints of a rigid diaphragm share its UX, UY and RZ: the diaphragm counts UX and UY when any of
// its joints has mass in them, and RZ with them when at least two of its joints carry mass.
int freeMassDofCount(const ModelStore& store, bool genMass, int dofsPerNode);

// True when the node block writes a "fix" line for the joint's restraints: the supports.
bool isSupport(const TNODE& joint, int dofsPerNode);

// The supports in joint order, the joints whose reactions the base-reaction recorders write.
std::vector<std::int32_t> supportJoints(const ModelStore& store, int dofsPerNode);

} // namespace kelvane
