#include "model/tables/import_context.h"

#include <array>

namespace kelvane::tables {
namespace {

// Room for the joint loads, up to three local components of each frame load, and self weight of
// every frame, and a load at each joint of the areas and solids.
std::size_t expectedLoadCount(const ImportContext& context) {
    const ModelStore& store = context.store;
    std::size_t expected = static_cast<std::size_t>(rowsOf(context, "JOINT LOADS - FORCE")) + 1;
    expected += 2 * static_cast<std::size_t>(rowsOf(context, "FRAME LOADS - DISTRIBUTED") +
                                             rowsOf(context, "FRAME LOADS - POINT"));
    for (const double multiplier : context.selfWeightMultiplier)
        expected += multiplier != 0 ? static_cast<std::size_t>(countOf(store.frameCount)) : 0;
    return expected;
}

} // namespace

void readLoadPatterns(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "LOAD PATTERN DEFINITIONS");
    context.selfWeightMultiplier.assign(1, 0.0);
    while (rows.next()) {
        const auto k = static_cast<std::int32_t>(store.loadCaseNames.size());
        addLabel(context.loadPatterns, rows, "LoadPat", k);
        store.loadCaseNames.emplace_back(rows.required("LoadPat"));
        store.loadCaseCount = k;
        context.selfWeightMultiplier.push_back(rows.real("SelfWtMult", 0));
    }
    store.loads.reserve(expectedLoadCount(context));
}

void readJointLoads(ImportContext& context) {
    static constexpr std::array<std::string_view, 6> keys = {"F1", "F2", "F3", "M1", "M2", "M3"};
    ModelStore& store = context.store;
    const UnitScale& units = context.units;
    Rows rows(context.file, "JOINT LOADS - FORCE");
    while (rows.next()) {
        const std::int32_t joint = jointOf(context, rows, "Joint");
        const std::int32_t pattern = patternOf(context, rows);
        if (!equalsIgnoringCase(rows.text("CoordSys", "GLOBAL"), "GLOBAL")) {
            context.report.addNotCarried("joint loads in a coordinate system other than GLOBAL");
            continue;
        }
        std::array<double, 6> values{};
        for (std::size_t k = 0; k < keys.size(); ++k)
            values[k] = rows.real(keys[k], 0) * (k < 3 ? units.force : units.moment());
        TLOAD& load = store.loads.emplace_back();
        load.kind = LoadJointForce;
        load.target = joint;
        load.caseName = store.loadCaseNames[static_cast<std::size_t>(pattern)];
        load.fx = values[0];
        load.fy = values[1];
        load.fz = values[2];
        load.mx = values[3];
        load.my = values[4];
        load.mz = values[5];
    }
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

} // namespace kelvane::tables
