#include "model/tables/element_geometry.h"
#include "model/tables/import_context.h"
#include "model/tables/joint_load_sums.h"

#include <string>

namespace kelvane::tables {
namespace {

// The row's multipliers of the element's weight along global X, Y and Z (MultiplierZ = -1 is the
// weight acting downward, as self weight does).
Vector multipliersOf(ImportContext& context, const Rows& rows, const char* what) {
    if (!equalsIgnoringCase(rows.text("CoordSys", "GLOBAL"), "GLOBAL")) {
        context.report.addNotCarried(std::string(what) +
                                     " gravity loads in a coordinate system other than GLOBAL");
        return {};
    }
    return {rows.real("MultiplierX", 0), rows.real("MultiplierY", 0), rows.real("MultiplierZ", 0)};
}

void readAreaGravity(ImportContext& context, std::vector<JointLoadSums>& sums) {
    const ModelStore& store = context.store;
    Rows rows(context.file, "AREA LOADS - GRAVITY");
    while (rows.next()) {
        const std::int32_t a = areaOf(context, rows, "Area");
        const std::int32_t pattern = patternOf(context, rows);
        const TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        const TAREASEC& section = store.shellSections[static_cast<std::size_t>(area.section)];
        const Vector multipliers = multipliersOf(context, rows, "area");
        const double weight = store.materials[static_cast<std::size_t>(section.material)].unitWeight;
        if (weight == 0 || section.thickness == 0 || multipliers == Vector{})
            continue;
        if (section.isShell != 1) {
            context.report.addNotCarried("area gravity loads on areas that are not written");
            continue;
        }
        const std::vector<Vector> corners = areaCorners(store, area);
        const double share = weight * section.thickness * section.weightFactor * areaSize(corners) /
                             static_cast<double>(corners.size());
        for (const std::int32_t joint : {area.node1, area.node2, area.node3, area.node4})
            if (joint != 0)
                sums[static_cast<std::size_t>(pattern)].add(joint, scaled(multipliers, share));
    }
}

void readSolidGravity(ImportContext& context, std::vector<JointLoadSums>& sums) {
    const ModelStore& store = context.store;
    Rows rows(context.file, "SOLID LOADS - GRAVITY");
    while (rows.next()) {
        const std::string_view label = rows.required("Solid");
        const std::int32_t s = context.solids.find(label);
        if (s == 0)
            rows.fail("Solid=" + std::string(label) + ": there is no solid of that name", rows.find("Solid"));
        const std::int32_t pattern = patternOf(context, rows);
        const TSOLID& solid = store.solids[static_cast<std::size_t>(s)];
        const Vector multipliers = multipliersOf(context, rows, "solid");
        // A solid without a property is made of the first material, as the script makes it.
        const bool ownMaterial = solid.section >= 1 && solid.section <= store.materialCount;
        const double weight =
            store.materialCount >= 1
                ? store.materials[static_cast<std::size_t>(ownMaterial ? solid.section : 1)].unitWeight
                : 0;
        if (weight == 0 || multipliers == Vector{})
            continue;
        const double share = weight * solidVolume(store, solid) / 8;
        for (const std::int32_t joint : {solid.node1, solid.node2, solid.node3, solid.node4, solid.node5,
                                         solid.node6, solid.node7, solid.node8})
            sums[static_cast<std::size_t>(pattern)].add(joint, scaled(multipliers, share));
    }
}

} // namespace

// AREA LOADS - GRAVITY and SOLID LOADS - GRAVITY: an element's weight times the row's multipliers
// in one pattern, shared by its joints as self weight is.
void readGravityLoads(ImportContext& context) {
    ModelStore& store = context.store;
    std::vector<JointLoadSums> sums(static_cast<std::size_t>(countOf(store.loadCaseCount)) + 1);
    readAreaGravity(context, sums);
    readSolidGravity(context, sums);
    for (std::int32_t c = 1; c <= store.loadCaseCount; ++c)
        sums[static_cast<std::size_t>(c)].flush(store, store.loadCaseNames[static_cast<std::size_t>(c)]);
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

} // namespace kelvane::tables
