#include "common/checked_math.h"
#include "model/name_lookup.h"
#include "model/tables/import_context.h"

#include <array>

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

struct DataKey {
    std::string_view key;
    double TMAT::*field;
    bool stress; // a stress, else a strain
};

// The strengths and strains of a table of material data (03a steel, 03b concrete, 03e rebar), into
// the materials it names; a key a row lacks leaves its field as it was.
template <std::size_t N>
void readMaterialData(ImportContext& context, std::string_view table, const std::array<DataKey, N>& keys) {
    Rows rows(context.file, table);
    while (rows.next()) {
        TMAT& material =
            context.store.materials[static_cast<std::size_t>(materialOf(context, rows, "Material"))];
        for (const DataKey& key : keys)
            if (const std::optional<double> value = rows.optionalReal(key.key))
                material.*key.field = *value * (key.stress ? context.units.stress() : 1.0);
    }
}

// Steel and rebar alike; SAP2000 names a rebar's strain at Fu SMax or SCap.
constexpr std::array<DataKey, 7> kSteelKeys = {{{"Fy", &TMAT::fy, true},
                                                {"Fu", &TMAT::fu, true},
                                                {"EffFy", &TMAT::expectedFy, true},
                                                {"SHard", &TMAT::hardeningStrain, false},
                                                {"SMax", &TMAT::strainAtFu, false},
                                                {"SCap", &TMAT::strainAtFu, false},
                                                {"SRup", &TMAT::ruptureStrain, false}}};
constexpr std::array<DataKey, 3> kConcreteKeys = {
    {{"Fc", &TMAT::fc, true}, {"SFc", &TMAT::strainAtFc, false}, {"SCap", &TMAT::ultimateStrain, false}}};

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

    readMaterialData(context, "MATERIAL PROPERTIES 03a - STEEL DATA", kSteelKeys);
    readMaterialData(context, "MATERIAL PROPERTIES 03b - CONCRETE DATA", kConcreteKeys);
    readMaterialData(context, "MATERIAL PROPERTIES 03e - REBAR DATA", kSteelKeys);
}

} // namespace kelvane::tables
