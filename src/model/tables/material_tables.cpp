#include "common/checked_math.h"
#include "model/name_lookup.h"
#include "model/tables/import_context.h"

namespace kelvane::tables {
namespace {

std::int32_t designTypeOf(std::string_view type) {
    if (equalsIgnoringCase(type, "Steel"))
        return DesignSteel;
    if (equalsIgnoringCase(type, "Concrete"))
        return DesignConcrete;
    if (equalsIgnoringCase(type, "Rebar"))
        return DesignRebar;
    return DesignOther;
}

TMAT& appendMaterial(ModelStore& store, std::string_view name) {
    TMAT& material = store.materials.emplace_back();
    material.name = std::string(name);
    material.model = ModelElastic;
    store.materialCount = static_cast<std::int32_t>(store.materials.size()) - 1;
    return material;
}

// The yield or compressive strength of a table of material data (03a steel, 03b concrete, 03e
// rebar), into the materials it names.
void readStrength(ImportContext& context, std::string_view table, std::string_view key, double TMAT::*field) {
    Rows rows(context.file, table);
    while (rows.next()) {
        TMAT& material =
            context.store.materials[static_cast<std::size_t>(materialOf(context, rows, "Material"))];
        if (const std::optional<double> value = rows.optionalReal(key))
            material.*field = *value * context.units.stress();
    }
}

} // namespace

// Materials in the row order of table 01 (their design type), then any that only table 02 names;
// table 02 gives the elastic constants, unit weight and unit mass.
void readMaterials(ImportContext& context) {
    ModelStore& store = context.store;
    const UnitScale& units = context.units;
    Rows general(context.file, "MATERIAL PROPERTIES 01 - GENERAL");
    while (general.next()) {
        const std::string_view name = general.required("Material");
        if (findMaterial(store, name) != 0)
            general.fail("Material=" + std::string(name) + " is given a second time",
                         general.find("Material"));
        appendMaterial(store, name).designType = designTypeOf(general.text("Type"));
    }

    Rows basic(context.file, "MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES");
    while (basic.next()) {
        const std::string_view name = basic.required("Material");
        const std::int32_t found = findMaterial(store, name);
        TMAT& material =
            found != 0 ? store.materials[static_cast<std::size_t>(found)] : appendMaterial(store, name);
        material.e = basic.real("E1", 0) * units.stress();
        material.nu = basic.real("U12", 0);
        if (const std::optional<double> shear = basic.optionalReal("G12"))
            material.g = *shear * units.stress();
        else if (material.nu == -1.0)
            basic.fail("U12=-1 leaves the shear modulus E1 / 2 / (1 + U12) undefined", basic.find("U12"));
        else
            material.g = checkedDiv(checkedDiv(material.e, 2.0), 1.0 + material.nu);
        material.unitWeight = basic.real("UnitWeight", 0) * units.weightPerVolume();
        material.unitMass = basic.real("UnitMass", 0) * units.massPerVolume();
    }

    readStrength(context, "MATERIAL PROPERTIES 03a - STEEL DATA", "Fy", &TMAT::fy);
    readStrength(context, "MATERIAL PROPERTIES 03b - CONCRETE DATA", "Fc", &TMAT::fc);
    readStrength(context, "MATERIAL PROPERTIES 03e - REBAR DATA", "Fy", &TMAT::fy);
}

} // namespace kelvane::tables
