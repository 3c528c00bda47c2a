#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <string>

// What a material model's parameters must satisfy before a script may use them.
namespace kelvane {

// The first fault of the parameters for the model ("Fy must be a positive number", "epsU must be
// beyond epsc0", ...), empty when they are sound. Elastic takes no parameters.
std::string materialParameterFault(std::int32_t model, const MaterialParameters& parameters);

// Stops with "Material K (NAME): <fault>" when the material's parameters are not sound.
void checkMaterial(const TMAT& material, int number);

} // namespace kelvane
