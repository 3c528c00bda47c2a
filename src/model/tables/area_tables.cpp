#include "common/number_format.h"
#include "model/name_lookup.h"
#include "model/tables/area_kind_report.h"
#include "model/tables/import_context.h"

#include <array>
#include <optional>
#include <string>

namespace kelvane::tables {
namespace {

// The area types of AreaType Shell the script writes; none for the others (layered shells, plane
// and axisymmetric solids).
struct AreaTypeName {
    std::string_view name;
    std::int32_t kind;
};
constexpr std::array<AreaTypeName, 5> kAreaTypes = {{{"Shell-Thin", AreaShellThin},
                                                     {"Shell-Thick", AreaShellThick},
                                                     {"Plate-Thin", AreaPlateThin},
                                                     {"Plate-Thick", AreaPlateThick},
                                                     {"Membrane", AreaMembrane}}};

std::optional<std::int32_t> areaKindOf(std::string_view areaType, std::string_view type) {
    if (!equalsIgnoringCase(areaType, "Shell"))
        return std::nullopt;
    for (const AreaTypeName& known : kAreaTypes)
        if (equalsIgnoringCase(type, known.name))
            return known.kind;
    return std::nullopt;
}

std::array<std::int32_t, 8> jointsOf(const ImportContext& context, const Rows& rows, int count) {
    std::array<std::int32_t, 8> joints{};
    for (int k = 0; k < count; ++k)
        joints[static_cast<std::size_t>(k)] = jointOf(context, rows, "Joint" + std::to_string(k + 1));
    return joints;
}

} // namespace

void readAreaSections(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "AREA SECTION PROPERTIES");
    while (rows.next()) {
        const std::string_view name = rows.required("Section");
        if (findShellSection(store, name) != 0)
            rows.fail("Section=" + std::string(name) + " is given a second time", rows.find("Section"));
        const int k = static_cast<int>(store.shellSections.size());
        TAREASEC& section = store.shellSections.emplace_back();
        store.shellSectionCount = k;
        section.name = std::string(name);
        section.colour = sectionColour(context.colours, k);
        if (rows.has("Material")) {
            section.materialName = std::string(rows.text("Material", ""));
            section.material = materialOf(context, rows, "Material");
        }
        section.thickness = rows.real("Thickness", 0) * context.units.length;
        section.bendThickness = rows.real("BendThick", 0) * context.units.length;
        const std::string_view areaType = rows.text("AreaType", "Shell");
        const std::string_view type = rows.text("Type", "Shell-Thin");
        const std::optional<std::int32_t> kind = areaKindOf(areaType, type);
        if (!kind) {
            context.report.addNotCarried("area sections of type " + std::string(areaType) + " " +
                                         std::string(type) + " (their areas are not written)");
            continue;
        }
        section.isShell = 1;
        section.kind = *kind;
        reportAreaKind(section, context.report);
    }
}

// Areas of four joints become quadrilateral shells and areas of three triangular ones, their joints
// in the file's order around the area; areas of other joint counts are refused.
void readAreas(ImportContext& context) {
    ModelStore& store = context.store;
    const auto count = static_cast<std::size_t>(rowsOf(context, "CONNECTIVITY - AREA"));
    store.shells.reserve(count + 1);
    context.areas.reserve(count);
    Rows rows(context.file, "CONNECTIVITY - AREA");
    while (rows.next()) {
        const std::string_view label = rows.required("Area");
        if (context.areas.find(label) != 0)
            rows.fail("Area=" + std::string(label) + " is given a second time", rows.find("Area"));
        int listed = 0;
        while (rows.has("Joint" + std::to_string(listed + 1)))
            ++listed;
        const double joints = rows.real("NumJoints", listed);
        if (joints != 3 && joints != 4)
            rows.fail("area " + std::string(label) + " has " + formatGeneral(joints) +
                          " joints: only areas of three or four joints are supported",
                      rows.find("Area"));
        if (listed < joints)
            rows.fail("area " + std::string(label) + " lists " + std::to_string(listed) + " of its " +
                          formatGeneral(joints) + " joints",
                      rows.find("Area"));
        const auto k = static_cast<std::int32_t>(store.shells.size());
        context.areas.add(label, k);
        const std::array<std::int32_t, 8> corner = jointsOf(context, rows, static_cast<int>(joints));
        TSHELL& area = store.shells.emplace_back();
        area.label = std::string(label);
        area.node1 = corner[0];
        area.node2 = corner[1];
        area.node3 = corner[2];
        area.node4 = corner[3]; // 0 for a triangle
        store.areaCount = k;
    }

    Rows assignments(context.file, "AREA SECTION ASSIGNMENTS");
    while (assignments.next()) {
        const std::string_view label = assignments.required("Area");
        const std::int32_t a = context.areas.find(label);
        if (a == 0)
            assignments.fail("Area=" + std::string(label) + ": there is no area of that name",
                             assignments.find("Area"));
        TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        const std::string_view name = assignments.required("Section");
        area.section = findShellSection(store, name);
        // SAP2000's built-in section None: a panel that only hands its loads on.
        if (area.section == 0 && equalsIgnoringCase(name, "None"))
            continue;
        if (area.section == 0)
            assignments.fail("Section=" + std::string(name) + ": there is no area section of that name",
                             assignments.find("Section"));
        area.sectionName = std::string(name);
    }
    long long without = 0;
    std::int32_t shells = 0;
    for (std::int32_t a = 1; a <= store.areaCount; ++a) {
        const std::int32_t section = store.shells[static_cast<std::size_t>(a)].section;
        without += section == 0 ? 1 : 0;
        shells += section != 0 && store.shellSections[static_cast<std::size_t>(section)].isShell == 1 ? 1 : 0;
    }
    store.shellCount = shells;
    if (without > 0)
        context.report.addNotCarried("areas without a section (not written)", without);
}

// Solids of eight joints; the store keeps ring order on each face, where the file lists the third
// corner opposite the second. The section of a solid is the number of its property's material.
void readSolids(ImportContext& context) {
    ModelStore& store = context.store;
    LabelIndex properties;
    Rows definitions(context.file, "SOLID PROPERTY DEFINITIONS");
    while (definitions.next())
        addLabel(properties, definitions, "SolidProp", materialOf(context, definitions, "Material"));

    const long long count = rowsOf(context, "CONNECTIVITY - SOLID");
    store.solids.assign(static_cast<std::size_t>(count) + 1, TSOLID{});
    context.solids.reserve(static_cast<std::size_t>(count));
    Rows rows(context.file, "CONNECTIVITY - SOLID");
    std::int32_t k = 0;
    while (rows.next()) {
        addLabel(context.solids, rows, "Solid", ++k);
        const std::array<std::int32_t, 8> j = jointsOf(context, rows, 8);
        TSOLID& solid = rowEntry(store.solids, k);
        solid.label = rows.required("Solid");
        solid.node1 = j[0];
        solid.node2 = j[1];
        solid.node3 = j[3];
        solid.node4 = j[2];
        solid.node5 = j[4];
        solid.node6 = j[5];
        solid.node7 = j[7];
        solid.node8 = j[6];
    }
    store.solidCount = k;

    Rows assignments(context.file, "SOLID PROPERTY ASSIGNMENTS");
    while (assignments.next()) {
        const std::int32_t s = context.solids.find(assignments.required("Solid"));
        if (s == 0)
            assignments.fail("Solid=" + std::string(assignments.required("Solid")) +
                                 ": there is no solid of that name",
                             assignments.find("Solid"));
        const std::string_view property = assignments.required("SolidProp");
        const std::int32_t material = properties.find(property);
        if (material == 0)
            assignments.fail("SolidProp=" + std::string(property) +
                                 ": there is no solid property of that name",
                             assignments.find("SolidProp"));
        store.solids[static_cast<std::size_t>(s)].section = material;
    }
    long long without = 0;
    for (std::int32_t s = 1; s <= store.solidCount; ++s)
        without += store.solids[static_cast<std::size_t>(s)].section == 0 ? 1 : 0;
    if (without > 0)
        context.report.addNotCarried("solids without a property (the script gives them the first material)",
                                     without);
}

} // namespace kelvane::tables
