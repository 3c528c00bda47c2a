#pragma once

#include "model/model_store.h"

#include <cstdint>

namespace kelvane {

// The joint drawn nearest to the pixel (x, y), at most `reach` pixels away in both directions, as the
// last redraw projected the joints; 0 when none is that near. Of joints drawn at the same pixel,
// the first.
std::int32_t PickJoint(const ModelStore& model, int x, int y, int reach = 6);

} // namespace kelvane
