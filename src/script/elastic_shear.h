#pragma once

#include "model/model_store.h"

// Elastic frames that deflect in shear as well as in bending are written as the solver's elastic
// Timoshenko beam-column, with the section's shear areas.
namespace kelvane {

// Whether frames of this section are written as elastic Timoshenko beam-columns: elastic
// beam-columns of a section that deflects in shear and has a shear area.
bool deflectsInShear(const TSECTION& section);

// The shear area the script gives for `shearArea` of the section: a direction without one (0)
// takes no shear deformation, which the element represents by an area a million times the
// section's.
double writtenShearArea(const TSECTION& section, double shearArea);

} // namespace kelvane
