#include "common/number_format.h"
#include "model/tables/import_context.h"
#include "model/tables/sap_local_axes.h"

#include <cmath>
#include <optional>
#include <string>

namespace kelvane::tables {
namespace {

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

// The unit vector a frame load acts along (or, for a moment, about) and the factor that turns
// its intensity into one per length of the frame: Dir 1, 2 or 3 (the frame's local axes), X, Y,
// Z or Gravity (global), or one of those four "Proj": given per length of the frame's projection
// on the plane square to the direction. Nothing, and a line in the report, for another direction.
struct LoadDirection {
    Vector along{};
    double perLength = 1;
};

std::optional<LoadDirection> directionOf(ImportContext& context, const Rows& rows, const TFRAME& frame,
                                         const char* what) {
    const ModelStore& store = context.store;
    const std::string_view dir = rows.text("Dir", "Gravity");
    if (dir == "1" || dir == "2" || dir == "3")
        return LoadDirection{sapLocalAxis(store, frame, dir[0] - '0'), 1};
    constexpr std::string_view projected = " Proj";
    const bool isProjected = dir.size() > projected.size() &&
                             equalsIgnoringCase(dir.substr(dir.size() - projected.size()), projected);
    const std::optional<Vector> global =
        globalDirection(isProjected ? dir.substr(0, dir.size() - projected.size()) : dir);
    if (!global) {
        context.report.addNotCarried(std::string(what) + " in direction " + std::string(dir));
        return std::nullopt;
    }
    if (!equalsIgnoringCase(rows.text("CoordSys", "GLOBAL"), "GLOBAL") &&
        !equalsIgnoringCase(dir.substr(0, 7), "Gravity")) {
        context.report.addNotCarried(std::string(what) + " in a coordinate system other than GLOBAL");
        return std::nullopt;
    }
    LoadDirection direction{*global, 1};
    if (isProjected) {
        const double along = dot(*global, localAxes(store, frame)[0]);
        direction.perLength = std::sqrt(std::max(0.0, 1 - along * along));
    }
    return direction;
}

// A position along the frame as a fraction of its length: the distance DistType names (RelDist
// unless it says AbsDist) when the row gives it, else the other one; the absolute distance is in
// the file's length unit. Stops when it lies off the frame.
double positionOf(const ImportContext& context, const Rows& rows, const TFRAME& frame,
                  std::string_view relative, std::string_view absolute, double fallback) {
    const double length = lengthOfFrame(context.store, frame);
    const bool absoluteFirst = equalsIgnoringCase(rows.text("DistType", "RelDist"), "AbsDist");
    const bool useAbsolute = rows.has(absolute) && (absoluteFirst || !rows.has(relative));
    const Field* field = rows.find(useAbsolute ? absolute : relative);
    double at =
        useAbsolute ? rows.real(absolute, 0) * context.units.length / length : rows.real(relative, fallback);
    // SAP2000 writes absolute distances rounded: the frame's end is a hair away.
    if (at < 0 && at > -1e-9)
        at = 0;
    if (at > 1 && at < 1 + 1e-9)
        at = 1;
    if (!(at >= 0 && at <= 1))
        rows.fail("frame " + frame.label + ": the load stands at " + formatGeneral(at * length) +
                      " mm, outside the frame's length of " + formatGeneral(length) + " mm",
                  field);
    return at;
}

bool isMoment(const Rows& rows) {
    const std::string_view type = rows.text("Type", "Force");
    if (equalsIgnoringCase(type, "Moment"))
        return true;
    if (!equalsIgnoringCase(type, "Force"))
        rows.fail("Type=" + std::string(type) + " is neither Force nor Moment", rows.find("Type"));
    return false;
}

// A value of the row: the moment's key for a moment when the row carries it, else the force's.
double valueOf(const Rows& rows, bool moment, std::string_view forceKey, std::string_view momentKey,
               double fallback) {
    return rows.real(moment && rows.has(momentKey) ? momentKey : forceKey, fallback);
}

TLOAD& addLoad(ModelStore& store, std::int32_t kind, std::int32_t frame, const std::string& caseName,
               std::int32_t direction) {
    TLOAD& load = store.loads.emplace_back();
    load.kind = kind;
    load.target = frame;
    load.caseName = caseName;
    load.direction = direction;
    return load;
}

} // namespace

// FRAME LOADS - DISTRIBUTED: forces or moments per length, uniform or varying linearly between
// two points of the frame, in the frame's local components. A uniform force over the whole span of
// a beam-column is a load of kind 2, as version 6 knows it; every other one is a load of kind 3
// (a truss or a rigid link takes no beam load: the script hands the loads on it to its joints).
void readFrameLoads(ImportContext& context) {
    ModelStore& store = context.store;
    const UnitScale& units = context.units;
    Rows rows(context.file, "FRAME LOADS - DISTRIBUTED");
    while (rows.next()) {
        const std::int32_t f = frameOf(context, rows, "Frame");
        const std::string& caseName = store.loadCaseNames[static_cast<std::size_t>(patternOf(context, rows))];
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const bool moment = isMoment(rows);
        const std::optional<LoadDirection> direction =
            directionOf(context, rows, frame, "frame distributed loads");
        if (!direction)
            continue;
        const double unit = (moment ? units.force : units.forcePerLength()) * direction->perLength;
        const double a = positionOf(context, rows, frame, "RelDistA", "AbsDistA", 0);
        const double b = positionOf(context, rows, frame, "RelDistB", "AbsDistB", 1);
        if (b < a)
            rows.fail("frame " + frame.label + ": the load ends before it begins (RelDistA " +
                      formatGeneral(a) + ", RelDistB " + formatGeneral(b) + ")");
        const double wa = valueOf(rows, moment, "FOverLA", "MOverLA", 0) * unit;
        const double wb = valueOf(rows, moment, "FOverLB", "MOverLB", wa / unit) * unit;
        if (a == b || (wa == 0 && wb == 0))
            continue;
        const std::int32_t type = store.frameSections[static_cast<std::size_t>(frame.section)].elementType;
        const bool beamColumn = type >= ElasticBeamColumn && type <= BeamWithHinge;
        const bool uniform = beamColumn && !moment && a == 0 && b == 1 && wa == wb;
        addLocalComponents(store, frame, direction->along, [&](std::int32_t k, double component) {
            TLOAD& load = addLoad(store, uniform ? LoadDistributed : LoadFrameSpan, f, caseName, k);
            load.fx = wa * component;
            if (uniform)
                return;
            load.fy = wb * component;
            load.distA = a;
            load.distB = b;
            load.moment = moment;
        });
    }
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

// FRAME LOADS - POINT: a force or a moment at a point of the frame, in its local components.
void readFramePointLoads(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "FRAME LOADS - POINT");
    while (rows.next()) {
        const std::int32_t f = frameOf(context, rows, "Frame");
        const std::string& caseName = store.loadCaseNames[static_cast<std::size_t>(patternOf(context, rows))];
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const bool moment = isMoment(rows);
        const std::optional<LoadDirection> direction = directionOf(context, rows, frame, "frame point loads");
        if (!direction)
            continue;
        if (direction->perLength != 1) {
            context.report.addNotCarried("frame point loads in a projected direction");
            continue;
        }
        const double at = positionOf(context, rows, frame, "RelDist", "AbsDist", 0.5);
        const double value = valueOf(rows, moment, "Force", "Moment", 0) *
                             (moment ? context.units.moment() : context.units.force);
        if (value == 0)
            continue;
        addLocalComponents(store, frame, direction->along, [&](std::int32_t k, double component) {
            TLOAD& load = addLoad(store, LoadFramePoint, f, caseName, k);
            load.fx = value * component;
            load.distA = at;
            load.moment = moment;
        });
    }
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

} // namespace kelvane::tables
