#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

namespace kelvane {

// Stops with a message naming both objects when two definitions the script would write share an
// OpenSees tag (uniaxial materials, nD materials or sections). The fixed offsets of the tag scheme
// collide with more than 200 materials, or more than 100 frame sections while the aggregator is on,
// or when aggregator or plate-fiber tags reach the numbers of other objects.
void checkTagCollisions(const ModelStore& store, const AnalysisSettings& analysis);

} // namespace kelvane
