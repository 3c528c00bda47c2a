#pragma once

#include "model/model_store.h"
#include "sections/fiber_list.h"

// Solid circles and pipes meshed in rings and sectors.
namespace kelvane {

// The circle of diameter `outside` less the one of diameter `inside` (0 for a solid circle) in
// `rings` rings of equal width, each split into `sectors` equal sectors; the first fiber of each
// ring lies on the positive y axis and they run toward +z. A ring's fibers lie at the radius whose
// square is the mean of its edges' squares, so that with 3 sectors or more they carry the ring's
// area and second moments exactly.
void meshRings(FiberList& fibers, double outside, double inside, std::int32_t rings, std::int32_t sectors,
               std::int32_t material);

} // namespace kelvane
