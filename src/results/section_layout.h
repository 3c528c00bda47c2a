#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

#include <cstdint>

// How many values each frame writes into one line of a section-deformation recorder file. It
// depends on the element the script writes for the frame's section and on the aggregator: a fiber
// section (with its torsion) gives eps, kappa z, kappa y, theta; the aggregator over it adds Vy,
// Vz, T; elements without such a section at the recorded section number give nothing.
namespace kelvane {

enum class RecordedSection { First, Last }; // "section 1" and "section numIntgrPts"

int sectionValueCount(std::int32_t elementType, RecordedSection section, const AnalysisSettings& analysis);

// The element type of a frame's section; 0 (no element written) for a section outside the table.
std::int32_t elementTypeOfFrame(const ModelStore& store, int frame);

} // namespace kelvane
