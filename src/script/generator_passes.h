#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

// The passes that prepare the store before any script line is written.
namespace kelvane {

// Sets `segments` of every frame to the number of integration points of the settings.
void assignIntegrationPoints(ModelStore& store, const AnalysisSettings& analysis);

// Computes area, inertias, shear areas, torsion and shear modulus of every rectangle, I, box,
// pipe, circle, channel, angle, tee, double angle and double channel section (the open shapes
// about their centroid, without fillets); sections of another shape keep their values. A section
// whose properties came from the file keeps them and only takes the shear modulus of its
// material. A rectangle with both dimensions 0 and a box with a zero thickness raise the floating-point errors of their
// torsion formulas.
void computeSectionProperties(ModelStore& store);
void computeSectionProperties(TSECTION& section, double shearModulus);

} // namespace kelvane
