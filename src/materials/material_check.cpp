#include "materials/material_check.h"

#include "common/error.h"

#include <cmath>

namespace kelvane {
namespace {

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}
bool nonNegative(double value) {
    return std::isfinite(value) && value >= 0;
}
bool withinUnit(double value) {
    return std::isfinite(value) && value >= 0 && value <= 1;
}

std::string steelFault(std::int32_t model, const MaterialParameters& p) {
    if (!positive(p.Fy))
        return "Fy must be a positive number";
    if (!positive(p.E0))
        return "E0 must be a positive number";
    // Steel01 also softens after yield (a negative b), as a column that loses strength does.
    if (model == ModelSteel01 && !(std::isfinite(p.b) && p.b > -1 && p.b <= 1))
        return "b must lie above -1 and up to 1 (below 0 the steel softens)";
    if (model != ModelSteel01 && !withinUnit(p.b))
        return "b must lie between 0 and 1";
    if (model == ModelSteel02) {
        if (!positive(p.R0))
            return "R0 must be a positive number";
        if (!nonNegative(p.cR1))
            return "cR1 must be 0 or more";
        if (!nonNegative(p.cR2))
            return "cR2 must be 0 or more";
    }
    return {};
}

std::string concreteFault(std::int32_t model, const MaterialParameters& p) {
    if (!positive(p.fpc))
        return "fpc must be a positive number";
    if (!positive(p.epsc0))
        return "epsc0 must be a positive number";
    if (!nonNegative(p.fpcu))
        return "fpcu must be 0 or more";
    if (p.fpcu > p.fpc)
        return "fpcu must not be above fpc";
    if (!std::isfinite(p.epsU) || p.epsU <= p.epsc0)
        return "epsU must be beyond epsc0";
    if (model == ModelConcrete02) {
        if (!withinUnit(p.lambda))
            return "lambda must lie between 0 and 1";
        if (!nonNegative(p.ft))
            return "ft must be 0 or more";
        if (p.ft >= p.fpc)
            return "ft must be below fpc";
        if (!nonNegative(p.Ets))
            return "Ets must be 0 or more";
    }
    return {};
}

} // namespace

std::string materialParameterFault(std::int32_t model, const MaterialParameters& parameters) {
    switch (model) {
    case ModelSteel01:
    case ModelSteel02:
        return steelFault(model, parameters);
    case ModelConcrete01:
    case ModelConcrete02:
        return concreteFault(model, parameters);
    default:
        return {};
    }
}

void checkMaterial(const TMAT& material, int number) {
    if (const std::string fault = materialParameterFault(material.model, material.parameters); !fault.empty())
        fail("Material " + std::to_string(number) + " (" + material.name + "): " + fault);
}

} // namespace kelvane
