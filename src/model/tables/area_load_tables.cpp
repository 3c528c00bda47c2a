#include "model/tables/element_geometry.h"
#include "model/tables/import_context.h"
#include "model/tables/joint_load_sums.h"

#include <cmath>
#include <optional>
#include <string>

namespace kelvane::tables {

// The unit vector of Dir X, Y, Z, Gravity (downward) or 1, 2, 3 (the area's local axes), and the
// factor that turns a pressure given per projected area ("X Proj", ...) into one per area.
std::optional<std::pair<Vector, double>> pressureDirection(ImportContext& context, const Rows& rows,
                                                           const std::vector<Vector>& corners) {
    const std::string_view dir = rows.text("Dir", "Gravity");
    const std::array<Vector, 3> local = areaLocalAxes(corners);
    if (dir == "1" || dir == "2" || dir == "3")
        return std::pair{local[static_cast<std::size_t>(dir[0] - '1')], 1.0};
    constexpr std::string_view projected = " Proj";
    const bool isProjected = dir.size() > projected.size() &&
                             equalsIgnoringCase(dir.substr(dir.size() - projected.size()), projected);
    const std::string_view name = isProjected ? dir.substr(0, dir.size() - projected.size()) : dir;
    Vector along{};
    if (equalsIgnoringCase(name, "Gravity"))
        along = {0, 0, -1};
    else if (equalsIgnoringCase(name, "X"))
        along = {1, 0, 0};
    else if (equalsIgnoringCase(name, "Y"))
        along = {0, 1, 0};
    else if (equalsIgnoringCase(name, "Z"))
        along = {0, 0, 1};
    else {
        context.report.addNotCarried("area uniform loads in direction " + std::string(dir));
        return std::nullopt;
    }
    if (!equalsIgnoringCase(name, "Gravity") &&
        !equalsIgnoringCase(rows.text("CoordSys", "GLOBAL"), "GLOBAL")) {
        context.report.addNotCarried("area uniform loads in a coordinate system other than GLOBAL");
        return std::nullopt;
    }
    return std::pair{along, isProjected ? std::abs(dot(along, local[2])) : 1.0};
}

// AREA LOADS - UNIFORM: a pressure on an area, its resultant shared equally by the area's joints.
void readAreaLoads(ImportContext& context) {
    ModelStore& store = context.store;
    const double unit = context.units.force / context.units.area();
    std::vector<JointLoadSums> sums(static_cast<std::size_t>(countOf(store.loadCaseCount)) + 1);
    Rows rows(context.file, "AREA LOADS - UNIFORM");
    while (rows.next()) {
        const std::int32_t a = areaOf(context, rows, "Area");
        const std::int32_t pattern = patternOf(context, rows);
        const TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        const std::vector<Vector> corners = areaCorners(store, area);
        const double size = areaSize(corners);
        if (size == 0)
            continue; // an area of no size has no normal and takes no load
        const auto direction = pressureDirection(context, rows, corners);
        if (!direction)
            continue;
        const double pressure = rows.real("UnifLoad", 0) * unit * direction->second;
        if (store.shellSections[static_cast<std::size_t>(area.section)].isShell != 1) {
            context.report.addNotCarried("area uniform loads on areas that are not written");
            continue;
        }
        const Vector share = scaled(direction->first, pressure * size / static_cast<double>(corners.size()));
        for (const std::int32_t joint : {area.node1, area.node2, area.node3, area.node4})
            if (joint != 0)
                sums[static_cast<std::size_t>(pattern)].add(joint, share);
    }
    for (std::int32_t c = 1; c <= store.loadCaseCount; ++c)
        sums[static_cast<std::size_t>(c)].flush(store, store.loadCaseNames[static_cast<std::size_t>(c)]);
}

} // namespace kelvane::tables
