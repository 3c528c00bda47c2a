#include "materials/material_fields.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/number_parse.h"
#include "materials/material_defaults.h"
#include "materials/material_models.h"
#include "model/name_lookup.h"

#include <string>

namespace kelvane {
namespace {

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

void requireAdded(const TMAT& material, std::string_view field) {
    if (!material.added)
        fail("The " + std::string(field) + " of material " + material.name +
             " comes from the model file; only materials added in Kelvane take a new one");
}

} // namespace

void setMaterialField(TMAT& material, std::string_view field, std::string_view text) {
    if (field == "model") {
        const auto model = materialModelByName(text);
        if (!model)
            fail(quoted(text) +
                 " is not a material model (Elastic, Steel01, Concrete01, Steel02, Concrete02 or 1..5)");
        setMaterialModel(material, *model);
        return;
    }
    if (field == "name") {
        requireAdded(material, field);
        if (text.empty())
            fail("A material needs a name");
        material.name = std::string(text);
        return;
    }
    if (field == "E" || field == "nu") {
        requireAdded(material, field);
        (field == "E" ? material.e : material.nu) = parseReal(text);
        material.g = checkedDiv(checkedDiv(material.e, 2.0), 1.0 + material.nu);
        return;
    }
    const MaterialParameterInfo* parameter = findMaterialParameter(field);
    if (!parameter)
        fail("Unknown material field '" + std::string(field) +
             "' (model, E, nu, name, or a parameter: Fy E0 b R0 cR1 cR2 fpc epsc0 fpcu epsU lambda ft Ets)");
    if (!modelTakesParameter(material.model, field))
        fail("Material " + material.name + " is " + std::string(materialModelInfo(material.model).name) +
             ", which takes no " + std::string(field) + "; set its model first");
    material.parameters.*parameter->field = parseReal(text);
}

int addMaterial(ModelStore& store, std::string_view name) {
    if (name.empty())
        fail("A material needs a name");
    if (const std::int32_t existing = findMaterial(store, name))
        fail("A material named " + std::string(name) + " exists already (material " +
             std::to_string(existing) + ")");
    if (store.materials.empty())
        store.materials.resize(1);
    const int count = countOf(store.materialCount);
    store.materials.resize(static_cast<std::size_t>(count) + 1);
    TMAT material;
    material.name = std::string(name);
    material.model = ModelElastic;
    material.added = true;
    store.materials.push_back(material);
    store.materialCount = count + 1;
    return store.materialCount;
}

void removeAddedMaterial(ModelStore& store, std::int32_t& analysisRebarMaterial, int k) {
    const int count = countOf(store.materialCount);
    if (k < 1 || k > count)
        fail("Material " + std::to_string(k) + " does not exist: the model has " + std::to_string(count) +
             " materials");
    const TMAT& material = store.materials[static_cast<std::size_t>(k)];
    if (!material.added)
        fail("Material " + material.name + " comes from the model file and cannot be removed");
    const auto refuse = [&](const std::string& user) {
        fail("Material " + material.name + " cannot be removed: it is " + user);
    };
    for (int s = 1; s <= countOf(store.frameSectionCount); ++s) {
        const TSECTION& section = store.frameSections[static_cast<std::size_t>(s)];
        if (section.material == k)
            refuse("the material of frame section " + section.name);
        if (section.coreMaterial == k)
            refuse("the core material of frame section " + section.name);
        if (section.rebarMaterial == k)
            refuse("the rebar material of frame section " + section.name);
    }
    for (int a = 1; a <= countOf(store.shellSectionCount); ++a)
        if (store.shellSections[static_cast<std::size_t>(a)].material == k)
            refuse("the material of shell section " + store.shellSections[static_cast<std::size_t>(a)].name);
    if (analysisRebarMaterial == k)
        refuse("the Rebar Material Number of the analysis settings");

    const auto shift = [k](std::int32_t& reference) {
        if (reference > k)
            --reference;
    };
    for (int s = 1; s <= countOf(store.frameSectionCount); ++s) {
        TSECTION& section = store.frameSections[static_cast<std::size_t>(s)];
        shift(section.material);
        shift(section.coreMaterial);
        shift(section.rebarMaterial);
    }
    for (int a = 1; a <= countOf(store.shellSectionCount); ++a)
        shift(store.shellSections[static_cast<std::size_t>(a)].material);
    shift(analysisRebarMaterial);
    store.materials.erase(store.materials.begin() + k);
    store.materialCount = count - 1;
}

} // namespace kelvane
