#pragma once

#include "model/model_store.h"

#include <string_view>

// Editing a material by field name, as the Material window edits it and `--set material.K.FIELD`
// names it.
namespace kelvane {

// Stores `text` into the named field, converted with the runtime's messages:
//   model   the Type name (Elastic, Steel01, Concrete01, Steel02, Concrete02) or its number 1..5;
//           the parameters are reset to the model's defaults;
//   Fy, E0, b, R0, cR1, cR2, fpc, epsc0, fpcu, epsU, lambda, ft, Ets
//           a parameter of the material's current model (one it does not take is refused);
//   E, nu, name
//           of a material the user added (the model file's own keep the file's values).
// Sound parameter values are checked when a script is generated, since one --set after another
// may pass through combinations that are not.
void setMaterialField(TMAT& material, std::string_view field, std::string_view text);

// Appends a material the model file lacks: Elastic, E = 0, named `name` (which no material may
// have already). Returns its number, the next after the last material.
int addMaterial(ModelStore& store, std::string_view name);

// Removes material k, which must be one the user added and no frame or shell section may use
// (as its material, core material or rebar material); `analysisRebarMaterial` is the analysis
// setting's rebar material, which may not be k either. Later added materials move down by one,
// and the references to them with them.
void removeAddedMaterial(ModelStore& store, std::int32_t& analysisRebarMaterial, int k);

} // namespace kelvane
