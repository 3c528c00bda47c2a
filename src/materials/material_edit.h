#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One material as the Material window's boxes hold it, stored all at once or not at all.
namespace kelvane {

struct MaterialEdit {
    std::int32_t model = ModelElastic;
    // Taken for a material the user added; the model file's own keep the file's values.
    std::string name, e, nu;
    // The boxes of the model's parameters, by parameter name, as typed.
    std::vector<std::pair<std::string, std::string>> parameters;
};

// The parameters the boxes of `model` show for material k: its own when it follows that model
// already, else the model's defaults for it.
MaterialParameters parametersToShow(const TMAT& material, std::int32_t model);

// Stores the edit into material k when every box converts and the parameters are sound. Otherwise
// stops with a message naming the box ("Fy: 'x' is not a valid floating point value", "Fy must be a
// positive number") and stores nothing.
void applyMaterialEdit(ModelStore& store, int k, const MaterialEdit& edit);

} // namespace kelvane
