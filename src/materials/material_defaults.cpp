#include "materials/material_defaults.h"

#include "common/number_format.h"
#include "common/number_parse.h"
#include "materials/confined_concrete.h"
#include "materials/material_check.h"
#include "materials/material_models.h"

#include <optional>

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

std::optional<double> hardeningFromFile(const TMAT& material) {
    if (material.fy <= 0 || material.e <= 0 || material.fu <= material.fy)
        return std::nullopt;
    const double plastic = material.strainAtFu - material.fy / material.e;
    if (plastic <= 0)
        return std::nullopt;
    return fourDigits((material.fu - material.fy) / (material.e * plastic));
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
        p.b = hardeningFromFile(material).value_or(0.01);
        break;
    case ModelConcrete02:
    case ModelConcrete01:
        p.fpc = material.fc > 0 ? material.fc : fourDigits(concreteStrengthFromModulus(material.e));
        if (material.strainAtFc > 0)
            p.epsc0 = material.strainAtFc;
        else
            p.epsc0 = material.e > 0 ? fourDigits(2.0 * p.fpc / material.e) : 0.0;
        p.fpcu = fourDigits(0.2 * p.fpc);
        p.epsU = material.ultimateStrain > p.epsc0 ? material.ultimateStrain : 0.0035;
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

std::vector<DefaultSource> defaultSources(const TMAT& material, std::int32_t model) {
    std::vector<DefaultSource> sources;
    switch (model) {
    case ModelSteel01:
    case ModelSteel02:
        sources.push_back({"Fy", material.fy > 0 ? "the file's Fy" : "none in the file: give it"});
        sources.push_back({"E0", "the file's E"});
        sources.push_back({"b", hardeningFromFile(material)
                                    ? "from the file's Fu and strain at Fu: (Fu - Fy) / E (eu - Fy / E)"
                                    : "usual value (the file gives no Fu and strain at Fu)"});
        if (model == ModelSteel02)
            for (const char* name : {"R0", "cR1", "cR2"})
                sources.push_back({name, "usual value (Menegotto-Pinto)"});
        break;
    case ModelConcrete01:
    case ModelConcrete02:
        sources.push_back({"fpc", material.fc > 0 ? "the file's Fc" : "from E = 4700 sqrt(fpc) (ACI 318)"});
        sources.push_back({"epsc0", material.strainAtFc > 0 ? "the file's strain at f'c" : "2 fpc / E"});
        sources.push_back({"fpcu", "0.2 fpc"});
        sources.push_back(
            {"epsU", material.ultimateStrain > 0 ? "the file's ultimate strain" : "usual value (0.0035)"});
        if (model == ModelConcrete02) {
            sources.push_back({"lambda", "usual value"});
            sources.push_back({"ft", "0.14 fpc"});
            sources.push_back({"Ets", "ft / 0.002"});
        }
        break;
    default:
        break;
    }
    return sources;
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
    const std::vector<std::string> unconfined = applyConfinedCores(store);
    kept.insert(kept.end(), unconfined.begin(), unconfined.end());
    return kept;
}

} // namespace kelvane
