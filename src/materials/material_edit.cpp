#include "materials/material_edit.h"

#include "common/box_value.h"
#include "common/checked_math.h"
#include "common/error.h"
#include "materials/material_check.h"
#include "materials/material_defaults.h"
#include "materials/material_models.h"

namespace kelvane {

MaterialParameters parametersToShow(const TMAT& material, std::int32_t model) {
    return material.model == model ? material.parameters : defaultParameters(material, model);
}

void applyMaterialEdit(ModelStore& store, int k, const MaterialEdit& edit) {
    if (k < 1 || k > countOf(store.materialCount))
        fail("Material " + std::to_string(k) + " does not exist: the model has " +
             std::to_string(countOf(store.materialCount)) + " materials");
    TMAT updated = store.materials[static_cast<std::size_t>(k)];
    if (updated.added) {
        if (edit.name.empty())
            fail("Name: a material needs a name");
        for (int m = 1; m <= countOf(store.materialCount); ++m)
            if (m != k && store.materials[static_cast<std::size_t>(m)].name == edit.name)
                fail("Name: material " + std::to_string(m) + " is named " + edit.name + " already");
        updated.name = edit.name;
        updated.e = boxReal("Elastic Modulus", edit.e);
        updated.nu = boxReal("Poisson's Ratio", edit.nu);
        updated.g = checkedDiv(checkedDiv(updated.e, 2.0), 1.0 + updated.nu);
    }
    const MaterialModelInfo& model = materialModelInfo(edit.model);
    updated.model = model.code;
    updated.parameters = MaterialParameters{};
    for (const MaterialParameterInfo& parameter : model.parameters) {
        const std::string name(parameter.name);
        const std::string* text = nullptr;
        for (const auto& [box, value] : edit.parameters)
            if (box == name)
                text = &value;
        if (!text)
            fail(name + ": the box is missing");
        updated.parameters.*parameter.field = boxReal(name, *text);
    }
    if (const std::string fault = materialParameterFault(updated.model, updated.parameters); !fault.empty())
        fail(fault);
    store.materials[static_cast<std::size_t>(k)] = updated;
}

} // namespace kelvane
