#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The uniaxial material models a material can take (the Type list of the Material window), the
// parameters each one takes, and the numbers its script line carries.
namespace kelvane {

struct MaterialParameterInfo {
    std::string_view name; // as OpenSees names it, and as --set material.K.NAME takes it
    double MaterialParameters::*field;
    std::string_view unit;    // empty for strains and ratios
    std::string_view meaning; // one line for the window
};

struct MaterialModelInfo {
    std::int32_t code;                                 // the `model` field: 1 Elastic .. 5 Concrete02
    std::string_view name;                             // the Type list entry and the OpenSees material name
    std::span<const MaterialParameterInfo> parameters; // in OpenSees's argument order
};

// Models 1..5; anything else stops with a message naming the code.
const MaterialModelInfo& materialModelInfo(std::int32_t model);
// All five, in the order of the Type list.
std::span<const MaterialModelInfo> materialModels();
// The model of a name ("Steel02") or of its number ("4"); none for anything else.
std::optional<std::int32_t> materialModelByName(std::string_view text);
// A parameter of any nonlinear model by name (Fy, E0, b, R0, cR1, cR2, fpc, epsc0, fpcu, epsU,
// lambda, ft, Ets); nullptr for another name.
const MaterialParameterInfo* findMaterialParameter(std::string_view name);
// Whether the model takes the parameter.
bool modelTakesParameter(std::int32_t model, std::string_view name);

bool isNonlinearModel(std::int32_t model);
// Whether any material of the store follows a nonlinear model.
bool usesNonlinearMaterials(const ModelStore& store);

// The numbers after the tag on the script line of a nonlinear material, in OpenSees's order and
// sign convention: the concrete stresses and strains negative (compression), ft, Ets and lambda
// positive.
std::vector<double> materialScriptArguments(const TMAT& material);

} // namespace kelvane
