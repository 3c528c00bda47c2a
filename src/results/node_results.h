#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <string>

// Joint displacements and mode shapes read back from the node recorder files into `ux`, `uy`, `uz`.
namespace kelvane {

// Step `step` (1-based line) of node0.out, node1.out, ... in `folder`, one file per block of 100
// joints. A failure stops the read; blocks read before it keep their values.
void loadNodeDeformation(ModelStore& store, const std::string& folder, std::int32_t step);

// The first line of eigen{mode}_node0.out, eigen{mode}_node1.out, ... in `folder`.
void loadModeShape(ModelStore& store, const std::string& folder, std::int32_t mode);

// Sets every joint's displacement and every frame's end values and end forces back to 0 (none
// read). Histories stay.
void clearResults(ModelStore& store);

} // namespace kelvane
