#pragma once

#include "model/model_store.h"

// The local axes of table-format joints, which their restraints and springs are given in.
namespace kelvane::tables {

// The restraints of a joint given in its local axes, as the store's global ones. Where the local
// axes lie along the global ones (turned by multiples of 90 degrees), each local restraint is that
// of the global axis it lies along; false when they do not and the restraint cannot be carried
// (the global ones are then left as the file gives them).
bool restraintsInGlobal(const TNODE& joint, const DofFlags& local, DofFlags& global);

} // namespace kelvane::tables
