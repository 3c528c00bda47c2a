#include "materials/material_defaults.h"

#include "common/number_format.h"
#include "common/number_parse.h"
#include "materials/material_check.h"
#include "materials/material_models.h"

namespace kelvane {
namespace {

// Derived defaults carry four significant digits, as the script's other numbers do, so that the
// Material window and the script show 40.74 rather than 40.7424173834314.
double fourDigits(double value) {
    return parseReal(formatE(value, 4));
}

} // namespace

double concreteStrengthFromModulus(double e) {
    const double root = e / 4700.0;
    return root * root;
}

MaterialParameters defaultParameters(const TMAT& material, std::int32_t model) {
    MaterialParameters p;
    switch (model) {
    case ModelSteel02:
        p.R0 = 18.0;
        p.cR1 = 0.925;
        p.cR2 = 0.15;
        [[fallthrough]];
    case ModelSteel01:
        p.Fy = material.fy;
        p.E0 = material.e;
        p.b = 0.01;
        break;
    case ModelConcrete02:
    case ModelConcrete01:
        p.fpc = material.fc > 0 ? material.fc : fourDigits(concreteStrengthFromModulus(material.e));
        p.epsc0 = material.e > 0 ? fourDigits(2.0 * p.fpc / material.e) : 0.0;
        p.fpcu = fourDigits(0.2 * p.fpc);
        p.epsU = 0.0035;
        if (model == ModelConcrete02) {
            p.lambda = 0.1;
            p.ft = fourDigits(0.14 * p.fpc);
            p.Ets = fourDigits(p.ft / 0.002);
        }
        break;
    default:
        break;
    }
    return p;
}

void setMaterialModel(TMAT& material, std::int32_t model) {
    materialModelInfo(model); // refuses a code outside 1..5
    material.model = model;
    material.parameters = defaultParameters(material, model);
}

std::vector<std::string> applyNonlinearDefaults(ModelStore& store) {
    std::vector<std::string> kept;
    for (int m = 1; m <= countOf(store.materialCount); ++m) {
        TMAT& material = store.materials[static_cast<std::size_t>(m)];
        std::int32_t model = 0;
        if (material.designType == DesignConcrete)
            model = ModelConcrete02;
        else if (material.designType == DesignSteel || material.designType == DesignRebar)
            model = ModelSteel02;
        else
            continue;
        const MaterialParameters parameters = defaultParameters(material, model);
        if (const std::string fault = materialParameterFault(model, parameters); !fault.empty()) {
            kept.push_back("Material " + std::to_string(m) + " (" + material.name + ") keeps its model: " +
                           (model == ModelSteel02 && material.fy <= 0
                                ? std::string("the model file gives no yield stress")
                                : fault));
            continue;
        }
        material.model = model;
        material.parameters = parameters;
    }
    return kept;
}

} // namespace kelvane
