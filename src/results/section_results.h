#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"
#include "viewer/view_state.h"

#include <cstdint>
#include <string>

// One section-deformation component at both ends of every frame, read back into `hingeValueI`
// (first section) and `hingeValueJ` (last section).
namespace kelvane {

enum SectionComponent : std::int32_t { AxialStrain = 1, CurvatureKz = 2, CurvatureKy = 3 };

// Reads line `step` of the section recorder files in `folder`: ele{k}_secs.out (first section) and
// ele{k}_secn.out (last section), k = 1..q for the whole blocks of 100 frames and 0 for the
// remainder, block by block in frame order. Each frame's values sit at its own offset in the line,
// by sectionValueCount (the element type of its section, the aggregator, numIntgrPts); a frame
// that writes no values gets 0 (and hasHingeValueI or hasHingeValueJ false). `display` notes the
// step and the component. With at least one frame it then sets the colour range of `display`
// to the least and greatest end value and returns true; the caller shows the two values in
// shortest general form. A component outside 1..3 is refused.
bool loadSectionDeformation(ModelStore& store, const std::string& folder, std::int32_t step,
                            std::int32_t component, const AnalysisSettings& analysis, ResultDisplay& display);

// Transitional: the same with the start-up analysis settings, for callers not yet passing theirs.
bool loadSectionDeformation(ModelStore& store, const std::string& folder, std::int32_t step,
                            std::int32_t component, ResultDisplay& display);

} // namespace kelvane
