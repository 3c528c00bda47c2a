#include "model/tables/import_context.h"

#include <array>
#include <cmath>
#include <numbers>

namespace kelvane::tables {
namespace {

using Vector = std::array<double, 3>;

double dot(const Vector& a, const Vector& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
Vector cross(const Vector& a, const Vector& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// The frame's local axes 1, 2 and 3 as unit vectors.
std::array<Vector, 3> localAxes(const ModelStore& store, const TFRAME& frame) {
    const TNODE& i = store.nodes[static_cast<std::size_t>(frame.nodeI)];
    const TNODE& j = store.nodes[static_cast<std::size_t>(frame.nodeJ)];
    Vector axis1 = {j.x - i.x, j.y - i.y, j.z - i.z};
    const double length = std::sqrt(dot(axis1, axis1));
    for (double& c : axis1)
        c /= length;
    const Vector axis2 = {frame.axis2X, frame.axis2Y, frame.axis2Z};
    return {axis1, axis2, cross(axis1, axis2)};
}

// The direction of SAP2000's local axis 1, 2 or 3 of a frame. It is the store's axis except for
// a vertical frame whose joint I is on top: SAP2000 points its local 2 along +X turned by the
// angle about local 1, where the store's points the other way (the same line, so the same
// stiffness, but local loads must follow SAP2000's sense).
Vector sapLocalAxis(const ModelStore& store, const TFRAME& frame, int direction) {
    const std::array<Vector, 3> axes = localAxes(store, frame);
    const bool downward = axes[0][0] == 0 && axes[0][1] == 0 && axes[0][2] < 0;
    if (direction == 1 || !downward)
        return axes[static_cast<std::size_t>(direction - 1)];
    const double angle = frame.angle * std::numbers::pi / 180;
    const Vector axis2 = {std::cos(angle), -std::sin(angle), 0};
    return direction == 2 ? axis2 : cross(axes[0], axis2);
}

std::int32_t patternOf(const ImportContext& context, const Rows& rows) {
    const std::string_view name = rows.required("LoadPat");
    const std::int32_t found = context.loadPatterns.find(name);
    if (found == 0)
        rows.fail("LoadPat=" + std::string(name) + ": there is no load pattern of that name",
                  rows.find("LoadPat"));
    return found;
}

// A uniform load along local axis `direction`; a component that is rounding noise of the
// resolution (below 1e-12 of the load) is left out.
void addUniformLoad(ModelStore& store, std::int32_t frame, const std::string& caseName,
                    std::int32_t direction, double intensity, double magnitude) {
    if (intensity == 0 || std::abs(intensity) < 1e-12 * magnitude)
        return;
    TLOAD& load = store.loads.emplace_back();
    load.kind = LoadDistributed;
    load.target = frame;
    load.caseName = caseName;
    load.direction = direction;
    load.fx = intensity;
}

// A uniform load given in global components, resolved into the frame's local components.
void addGlobalUniformLoad(ModelStore& store, std::int32_t f, const std::string& caseName,
                          const Vector& global) {
    const std::array<Vector, 3> axes = localAxes(store, store.frames[static_cast<std::size_t>(f)]);
    const double magnitude = std::sqrt(dot(global, global));
    for (std::size_t k = 0; k < 3; ++k)
        addUniformLoad(store, f, caseName, static_cast<std::int32_t>(k + 1), dot(global, axes[k]), magnitude);
}

double frameLength(const ModelStore& store, const TFRAME& frame) {
    const TNODE& i = store.nodes[static_cast<std::size_t>(frame.nodeI)];
    const TNODE& j = store.nodes[static_cast<std::size_t>(frame.nodeJ)];
    return std::sqrt((j.x - i.x) * (j.x - i.x) + (j.y - i.y) * (j.y - i.y) + (j.z - i.z) * (j.z - i.z));
}

// Whether the load covers the whole span: relative distances 0 to 1, or absolute ones 0 to the
// frame's length (in the file's unit).
bool coversSpan(const Rows& rows, double lengthInFileUnits) {
    if (equalsIgnoringCase(rows.text("DistType", "RelDist"), "AbsDist") && !rows.has("RelDistA"))
        return rows.real("AbsDistA", 0) == 0 && std::abs(rows.real("AbsDistB", lengthInFileUnits) -
                                                         lengthInFileUnits) <= 1e-9 * lengthInFileUnits;
    return rows.real("RelDistA", 0) == 0 && rows.real("RelDistB", 1) == 1;
}

// The global direction of Dir X, Y, Z or Gravity (downward), or nothing for another direction.
std::optional<Vector> globalDirection(std::string_view dir) {
    if (equalsIgnoringCase(dir, "Gravity"))
        return Vector{0, 0, -1};
    if (equalsIgnoringCase(dir, "X"))
        return Vector{1, 0, 0};
    if (equalsIgnoringCase(dir, "Y"))
        return Vector{0, 1, 0};
    if (equalsIgnoringCase(dir, "Z"))
        return Vector{0, 0, 1};
    return std::nullopt;
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
    // Room for the joint loads, one or two local components of each frame load and self weight on
    // every frame.
    std::size_t expected = static_cast<std::size_t>(rowsOf(context, "JOINT LOADS - FORCE") +
                                                    rowsOf(context, "FRAME LOADS - DISTRIBUTED")) +
                           1;
    for (const double multiplier : context.selfWeightMultiplier)
        expected += multiplier != 0 ? static_cast<std::size_t>(countOf(store.frameCount)) : 0;
    store.loads.reserve(expected);
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

// Uniform forces over the whole span in Dir Gravity, X, Y or Z (global, resolved into the
// frame's local components) or 1, 2, 3 (local). Other distributed loads are reported.
void readFrameLoads(ImportContext& context) {
    ModelStore& store = context.store;
    ImportReport& report = context.report;
    Rows rows(context.file, "FRAME LOADS - DISTRIBUTED");
    while (rows.next()) {
        const std::int32_t f = frameOf(context, rows, "Frame");
        const std::string& caseName = store.loadCaseNames[static_cast<std::size_t>(patternOf(context, rows))];
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (!equalsIgnoringCase(rows.text("Type", "Force"), "Force")) {
            report.addNotCarried("frame distributed moments");
            continue;
        }
        const double a = rows.real("FOverLA", 0);
        const double b = rows.real("FOverLB", a);
        if (a != b || !coversSpan(rows, frameLength(store, frame) / context.units.length)) {
            report.addNotCarried("frame distributed loads that are not uniform over the whole span");
            continue;
        }
        const double w = a * context.units.forcePerLength();
        const std::string_view dir = rows.text("Dir", "Gravity");
        const std::string_view system = rows.text("CoordSys", "GLOBAL");
        if (dir == "1" || dir == "2" || dir == "3") {
            const Vector axis = sapLocalAxis(store, frame, dir[0] - '0');
            addGlobalUniformLoad(store, f, caseName, {axis[0] * w, axis[1] * w, axis[2] * w});
            continue;
        }
        const std::optional<Vector> direction = globalDirection(dir);
        if (!direction) {
            report.addNotCarried("frame distributed loads in direction " + std::string(dir));
            continue;
        }
        if (!equalsIgnoringCase(system, "GLOBAL") && !equalsIgnoringCase(dir, "Gravity")) {
            report.addNotCarried("frame distributed loads in a coordinate system other than GLOBAL");
            continue;
        }
        addGlobalUniformLoad(store, f, caseName,
                             {(*direction)[0] * w, (*direction)[1] * w, (*direction)[2] * w});
    }
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

// Self weight of the frames for each pattern with SelfWtMult: SelfWtMult x unit weight x Area
// (times the weight modifier), uniform and downward. Trusses and rigid links take no beam load
// in the script; shells and solids are reported.
void addSelfWeight(ImportContext& context) {
    ModelStore& store = context.store;
    ImportReport& report = context.report;
    for (std::int32_t c = 1; c <= store.loadCaseCount; ++c) {
        const double multiplier = context.selfWeightMultiplier[static_cast<std::size_t>(c)];
        if (multiplier == 0)
            continue;
        const std::string& caseName = store.loadCaseNames[static_cast<std::size_t>(c)];
        for (std::int32_t f = 1; f <= store.frameCount; ++f) {
            const std::int32_t s = store.frames[static_cast<std::size_t>(f)].section;
            const TSECTION& section = store.frameSections[static_cast<std::size_t>(s)];
            const double weight = store.materials[static_cast<std::size_t>(section.material)].unitWeight;
            if (s == 0 || weight == 0)
                continue;
            if (section.elementType == Truss || section.elementType == CorotTruss ||
                section.elementType == RigidLink) {
                report.addNotCarried("self weight of trusses and rigid links (pattern " + caseName + ")");
                continue;
            }
            const double area = context.selfWeightArea[static_cast<std::size_t>(s)];
            if (area < 0) {
                report.addNotCarried("self weight of frames whose section gives no Area (pattern " +
                                     caseName + ")");
                continue;
            }
            addGlobalUniformLoad(store, f, caseName, {0, 0, -multiplier * weight * area});
        }
        long long shells = 0;
        for (std::int32_t a = 1; a <= store.areaCount; ++a) {
            const TAREASEC& section = store.shellSections[static_cast<std::size_t>(
                store.shells[static_cast<std::size_t>(a)].section)];
            shells += section.isShell == 1 &&
                              store.materials[static_cast<std::size_t>(section.material)].unitWeight != 0
                          ? 1
                          : 0;
        }
        if (shells > 0)
            report.addNotCarried("self weight of shells (pattern " + caseName + ")", shells);
        long long solids = 0;
        for (std::int32_t s = 1; s <= store.solidCount; ++s)
            solids +=
                store.materials[static_cast<std::size_t>(store.solids[static_cast<std::size_t>(s)].section)]
                            .unitWeight != 0
                    ? 1
                    : 0;
        if (solids > 0)
            report.addNotCarried("self weight of solids (pattern " + caseName + ")", solids);
    }
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

} // namespace kelvane::tables
