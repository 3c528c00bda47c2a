#pragma once

#include "model/model_store.h"

namespace kelvane {

// The degrees of freedom per node of the script's model: 6 for frames and shells, 3 for a model of
// solids only (a brick element has translations only). Solids mixed with frames or written shells
// stop generation with a message, since one model basic cannot serve both.
int nodeDofCount(const ModelStore& store);

// The number of free degrees of freedom that carry mass in the written script: every non-zero
// mass component of a written mass line whose degree of freedom is not fixed, except that the
// joints of a rigid diaphragm share its UX, UY and RZ: the diaphragm counts UX and UY when any of
// its joints has mass in them, and RZ with them when at least two of its joints carry mass, each
// unless the diaphragm's retained joint is restrained in it.
int freeMassDofCount(const ModelStore& store, bool genMass, int dofsPerNode);

// The number of modes the modal procedure asks the eigen solver for (numModes): 12, or fewer when
// the model has fewer free mass degrees of freedom, since more would make the solver fail.
int modalModeCount(const ModelStore& store, bool genMass, int dofsPerNode);

} // namespace kelvane
