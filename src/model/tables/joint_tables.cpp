#include "model/tables/import_context.h"
#include "model/tables/joint_local_axes.h"
#include "model/tables/mass_source.h"

#include <array>
#include <cmath>
#include <numbers>

namespace kelvane::tables {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

bool isGlobal(std::string_view coordinateSystem) {
    return equalsIgnoringCase(coordinateSystem, "GLOBAL");
}

// GlobalX/Y/Z when the row carries them; else the row's own coordinates, which must then be in
// the GLOBAL system. Cylindrical rows give R (XorR), T and Z; spherical rows R (XorR), the plan
// angle A from X and the angle B from the Z axis.
std::array<double, 3> coordinatesOf(const Rows& rows) {
    if (rows.has("GlobalX") || rows.has("GlobalY") || rows.has("GlobalZ"))
        return {rows.requiredReal("GlobalX"), rows.requiredReal("GlobalY"), rows.requiredReal("GlobalZ")};
    const std::string_view system = rows.text("CoordSys", "GLOBAL");
    if (!isGlobal(system))
        rows.fail("CoordSys=" + std::string(system) +
                      ": a joint in a coordinate system other than GLOBAL needs GlobalX, GlobalY and GlobalZ",
                  rows.find("CoordSys"));
    const std::string_view type = rows.text("CoordType", "Cartesian");
    const double r = rows.real("XorR", 0);
    if (equalsIgnoringCase(type, "Cartesian"))
        return {r, rows.real("Y", 0), rows.real("Z", 0)};
    if (equalsIgnoringCase(type, "Cylindrical")) {
        const double t = rows.real("T", 0) * kDegree;
        return {r * std::cos(t), r * std::sin(t), rows.real("Z", 0)};
    }
    if (equalsIgnoringCase(type, "Spherical")) {
        const double a = rows.real("A", 0) * kDegree;
        const double b = rows.real("B", 0) * kDegree;
        return {r * std::sin(b) * std::cos(a), r * std::sin(b) * std::sin(a), r * std::cos(b)};
    }
    rows.fail("CoordType=" + std::string(type) + " is neither Cartesian, Cylindrical nor Spherical",
              rows.find("CoordType"));
}

constexpr std::array<std::string_view, 7> kRestraintKeys = {"", "U1", "U2", "U3", "R1", "R2", "R3"};
constexpr std::array<std::string_view, 7> kActiveKeys = {"", "UX", "UY", "UZ", "RX", "RY", "RZ"};

// Degrees of freedom a diaphragm about Z ties to its retained joint: UX, UY and RZ.
bool isInPlane(std::size_t dof) {
    return dof == 1 || dof == 2 || dof == 6;
}

} // namespace

void readUnits(ImportContext& context) {
    Rows rows(context.file, "PROGRAM CONTROL");
    while (rows.next()) {
        const Field* units = rows.find("CurrUnits");
        if (units == nullptr)
            continue;
        std::string unknown;
        const std::optional<UnitScale> scale = parseCurrentUnits(units->value, unknown);
        if (!scale)
            rows.fail("CurrUnits=\"" + std::string(units->value) + "\": unknown " + unknown, units);
        context.units = *scale;
        context.report.units = std::string(units->value);
        context.report.unitsConverted = scale->force != 1.0 || scale->length != 1.0;
    }
}

void readJoints(ImportContext& context) {
    ModelStore& store = context.store;
    const long long count = rowsOf(context, "JOINT COORDINATES");
    store.nodes.reserve(static_cast<std::size_t>(count) + 1 + 64); // room for diaphragm joints
    store.nodes.assign(static_cast<std::size_t>(count) + 1, TNODE{});
    context.joints.reserve(static_cast<std::size_t>(count));
    Rows rows(context.file, "JOINT COORDINATES");
    std::int32_t k = 0;
    while (rows.next()) {
        addLabel(context.joints, rows, "Joint", ++k);
        TNODE& node = rowEntry(store.nodes, k);
        node.label = rows.required("Joint");
        const std::array<double, 3> at = coordinatesOf(rows);
        node.x = at[0] * context.units.length;
        node.y = at[1] * context.units.length;
        node.z = at[2] * context.units.length;
    }
    store.nodeCount = k;
    context.fileJointCount = k;
}

// Restraints of the file, then the inactive degrees of freedom: restrained at every joint, except
// that the in-plane ones of a joint tied to a diaphragm are restrained at the diaphragm's
// retained joint only (restraining a constrained degree of freedom at the tied joint would make
// the solver's Transformation handler give a wrong answer without a warning). Runs after the
// diaphragms, whose retained joints are fixed out of plane by the script already.
void readRestraints(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "JOINT RESTRAINT ASSIGNMENTS");
    while (rows.next()) {
        TNODE& node = store.nodes[static_cast<std::size_t>(jointOf(context, rows, "Joint"))];
        DofFlags local{};
        for (std::size_t dof = 1; dof < kRestraintKeys.size(); ++dof)
            local[dof] = rows.yes(kRestraintKeys[dof], false) ? 1 : 0;
        DofFlags global{};
        if (!restraintsInGlobal(node, local, global))
            context.report.addNotCarried(
                "restraints in local axes that do not lie along the global ones (taken as global)");
        for (std::size_t dof = 1; dof < kRestraintKeys.size(); ++dof)
            node.restraint[dof] = node.restraint[dof] != 0 || global[dof] != 0 ? 1 : 0;
    }
    long long restrainedTied = 0;
    for (std::int32_t n = 1; n <= context.fileJointCount; ++n) {
        if (context.tiedToDiaphragm[static_cast<std::size_t>(n)] == 0)
            continue;
        const DofFlags& r = store.nodes[static_cast<std::size_t>(n)].restraint;
        restrainedTied += r[1] + r[2] + r[6] > 0 ? 1 : 0;
    }
    if (restrainedTied > 0)
        context.report.addNotCarried("restraints of UX, UY or RZ at joints tied to a diaphragm (written as "
                                     "read; the solver's Transformation handler may not honour them)",
                                     restrainedTied);

    Rows active(context.file, "ACTIVE DEGREES OF FREEDOM");
    std::array<bool, 7> inactive{};
    while (active.next())
        for (std::size_t dof = 1; dof < kActiveKeys.size(); ++dof)
            inactive[dof] = !active.yes(kActiveKeys[dof], true);
    for (std::int32_t n = 1; n <= countOf(store.nodeCount); ++n) {
        const bool tied = context.tiedToDiaphragm[static_cast<std::size_t>(n)] != 0;
        const bool retains = context.retainsDiaphragm[static_cast<std::size_t>(n)] != 0;
        DofFlags& restraint = store.nodes[static_cast<std::size_t>(n)].restraint;
        for (std::size_t dof = 1; dof < inactive.size(); ++dof) {
            if (!inactive[dof] || (tied && isInPlane(dof)) || (retains && !isInPlane(dof)))
                continue;
            restraint[dof] = 1;
        }
    }
}

// Joint added masses, when the model's mass source takes them (SAP2000 takes element and added
// masses when the file names no source).
void readJointMasses(ImportContext& context) {
    const MassSource source = readMassSource(context, false);
    Rows rows(context.file, "JOINT ADDED MASS ASSIGNMENTS");
    if (!source.addedMasses) {
        const long long count = rowsOf(context, "JOINT ADDED MASS ASSIGNMENTS");
        if (count > 0)
            context.report.addNotCarried("joint added masses the mass source leaves out", count);
        return;
    }
    const UnitScale& units = context.units;
    while (rows.next()) {
        TNODE& node = context.store.nodes[static_cast<std::size_t>(jointOf(context, rows, "Joint"))];
        if (!isGlobal(rows.text("CoordSys", "GLOBAL"))) {
            context.report.addNotCarried("joint masses in a coordinate system other than GLOBAL");
            continue;
        }
        static constexpr std::array<std::string_view, 7> keys = {"",     "Mass1", "Mass2", "Mass3",
                                                                 "MMI1", "MMI2",  "MMI3"};
        for (std::size_t dof = 1; dof < keys.size(); ++dof)
            node.mass[dof] += rows.real(keys[dof], 0) * (dof <= 3 ? units.mass() : units.rotationalMass());
    }
    long long unwritten = 0;
    for (std::int32_t n = 1; n <= countOf(context.store.nodeCount); ++n) {
        const DofValues& m = context.store.nodes[static_cast<std::size_t>(n)].mass;
        unwritten += m[1] == 0 && (m[2] != 0 || m[3] != 0 || m[4] != 0 || m[5] != 0 || m[6] != 0) ? 1 : 0;
    }
    if (unwritten > 0)
        context.report.addNotCarried(
            "joint masses without a mass along X (the script writes a joint's masses only with one)",
            unwritten);
}

} // namespace kelvane::tables
