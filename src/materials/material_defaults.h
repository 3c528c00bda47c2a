#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <string>
#include <vector>

// The usual parameters of each nonlinear model, taken from what the model file says of a material.
// Values are in N and mm:
//   Steel01/02: Fy = the file's yield stress, E0 = the material's E, b from the file's Fu and
//               strain at Fu (the slope from the yield point to Fu over E), else 0.01;
//               Steel02 also R0 = 18, cR1 = 0.925, cR2 = 0.15.
//   Concrete01/02: fpc = the file's concrete strength, else from E = 4700 sqrt(fpc) (ACI 318, MPa);
//               epsc0 = the file's strain at f'c, else 2 fpc / E (so the initial tangent is E),
//               fpcu = 0.2 fpc, epsU = the file's ultimate strain, else 0.0035;
//               Concrete02 also lambda = 0.1, ft = 0.14 fpc, Ets = ft / 0.002.
namespace kelvane {

// The compressive strength that E = 4700 sqrt(fpc) gives (E and fpc in MPa).
double concreteStrengthFromModulus(double e);

// The defaults of `model` for this material. A steel without a yield stress in the file gets
// Fy = 0, which the parameter check refuses, so the user must give it.
MaterialParameters defaultParameters(const TMAT& material, std::int32_t model);

// Where one default comes from, for the Material window: the parameter's name and a short text.
struct DefaultSource {
    std::string parameter;
    std::string text;
};

// The source of each parameter of `model`'s defaults for this material, in the model's order.
std::vector<DefaultSource> defaultSources(const TMAT& material, std::int32_t model);

// Gives the material the model with its defaults.
void setMaterialModel(TMAT& material, std::int32_t model);

// The one-step nonlinear model: every concrete material to Concrete02 and every steel or rebar to
// Steel02, with the defaults above. A material whose defaults are incomplete (a steel without a
// yield stress) keeps what it had; the result says which ones, one line each. Columns with
// transverse bars then take confined cores (applyConfinedCores), and the result names those left
// without one.
std::vector<std::string> applyNonlinearDefaults(ModelStore& store);

} // namespace kelvane
