#pragma once

#include "model/model_store.h"

#include <array>

namespace kelvane {

// The translational mass the script gives the model along X, Y and Z: the sum over the joints
// whose mass lines are written (those with a mass along X), in the store's units.
std::array<double, 3> totalTranslationalMass(const ModelStore& store);

} // namespace kelvane
