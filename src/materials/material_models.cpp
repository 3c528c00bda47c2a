#include "materials/material_models.h"

#include "common/error.h"
#include "common/number_parse.h"

#include <array>
#include <string>

namespace kelvane {
namespace {

using P = MaterialParameters;

constexpr std::string_view kStress = "N/mm2";

constexpr MaterialParameterInfo kFy{"Fy", &P::Fy, kStress, "yield stress"};
constexpr MaterialParameterInfo kE0{"E0", &P::E0, kStress, "initial elastic tangent"};
constexpr MaterialParameterInfo kB{"b", &P::b, "",
                                   "strain-hardening ratio: post-yield over initial tangent, 0 to 1"};
constexpr MaterialParameterInfo kR0{"R0", &P::R0, "", "elastic-to-plastic transition (10 to 20; 18 usual)"};
constexpr MaterialParameterInfo kCR1{"cR1", &P::cR1, "", "transition parameter (0.925 usual)"};
constexpr MaterialParameterInfo kCR2{"cR2", &P::cR2, "", "transition parameter (0.15 usual)"};
constexpr MaterialParameterInfo kFpc{"fpc", &P::fpc, kStress, "compressive strength (magnitude)"};
constexpr MaterialParameterInfo kEpsc0{"epsc0", &P::epsc0, "",
                                       "strain at the compressive strength (magnitude)"};
constexpr MaterialParameterInfo kFpcu{"fpcu", &P::fpcu, kStress, "crushing strength (magnitude)"};
constexpr MaterialParameterInfo kEpsU{"epsU", &P::epsU, "", "strain at the crushing strength (magnitude)"};
constexpr MaterialParameterInfo kLambda{"lambda", &P::lambda, "",
                                        "unloading slope at epsU over the initial slope, 0 to 1"};
constexpr MaterialParameterInfo kFt{"ft", &P::ft, kStress, "tensile strength"};
constexpr MaterialParameterInfo kEts{"Ets", &P::Ets, kStress, "tension softening stiffness (magnitude)"};

constexpr std::array kSteel01{kFy, kE0, kB};
constexpr std::array kSteel02{kFy, kE0, kB, kR0, kCR1, kCR2};
constexpr std::array kConcrete01{kFpc, kEpsc0, kFpcu, kEpsU};
constexpr std::array kConcrete02{kFpc, kEpsc0, kFpcu, kEpsU, kLambda, kFt, kEts};
constexpr std::array kAllParameters{kFy,    kE0,   kB,    kR0,     kCR1, kCR2, kFpc,
                                    kEpsc0, kFpcu, kEpsU, kLambda, kFt,  kEts};

const std::array<MaterialModelInfo, 5> kModels{{
    {ModelElastic, "Elastic", {}},
    {ModelSteel01, "Steel01", kSteel01},
    {ModelConcrete01, "Concrete01", kConcrete01},
    {ModelSteel02, "Steel02", kSteel02},
    {ModelConcrete02, "Concrete02", kConcrete02},
}};

bool isConcrete(std::int32_t model) {
    return model == ModelConcrete01 || model == ModelConcrete02;
}

} // namespace

const MaterialModelInfo& materialModelInfo(std::int32_t model) {
    if (model < ModelElastic || model > ModelConcrete02)
        fail("Material model " + std::to_string(model) +
             " does not exist (1 Elastic, 2 Steel01, 3 Concrete01, 4 Steel02, 5 Concrete02)");
    return kModels[static_cast<std::size_t>(model - 1)];
}

std::span<const MaterialModelInfo> materialModels() {
    return kModels;
}

std::optional<std::int32_t> materialModelByName(std::string_view text) {
    for (const MaterialModelInfo& model : kModels)
        if (model.name == text)
            return model.code;
    if (const auto number = tryParseInt(text);
        number && *number >= ModelElastic && *number <= ModelConcrete02)
        return *number;
    return std::nullopt;
}

const MaterialParameterInfo* findMaterialParameter(std::string_view name) {
    for (const MaterialParameterInfo& parameter : kAllParameters)
        if (parameter.name == name)
            return &parameter;
    return nullptr;
}

bool modelTakesParameter(std::int32_t model, std::string_view name) {
    for (const MaterialParameterInfo& parameter : materialModelInfo(model).parameters)
        if (parameter.name == name)
            return true;
    return false;
}

bool isNonlinearModel(std::int32_t model) {
    return model >= ModelSteel01 && model <= ModelConcrete02;
}

bool usesNonlinearMaterials(const ModelStore& store) {
    for (int m = 1; m <= countOf(store.materialCount); ++m)
        if (isNonlinearModel(store.materials[static_cast<std::size_t>(m)].model))
            return true;
    return false;
}

std::vector<double> materialScriptArguments(const TMAT& material) {
    const MaterialModelInfo& model = materialModelInfo(material.model);
    std::vector<double> arguments;
    arguments.reserve(model.parameters.size());
    for (const MaterialParameterInfo& parameter : model.parameters) {
        const double value = material.parameters.*parameter.field;
        const bool compressive =
            isConcrete(model.code) && (parameter.field == &P::fpc || parameter.field == &P::epsc0 ||
                                       parameter.field == &P::fpcu || parameter.field == &P::epsU);
        // A zero crushing strength stays an unsigned zero.
        arguments.push_back(compressive && value != 0 ? -value : value);
    }
    return arguments;
}

} // namespace kelvane
