#include "model/frame_axes.h"
#include "model/tables/import_context.h"
#include "model/tables/joint_local_axes.h"

#include <cmath>
#include <numbers>

namespace kelvane::tables {
namespace {

// v turned by `degrees` about the unit vector `axis` (right-hand rule).
Vector turned(const Vector& v, const Vector& axis, double degrees) {
    const double angle = degrees * std::numbers::pi / 180;
    const double c = std::cos(angle), s = std::sin(angle);
    const Vector across = cross(axis, v);
    const double along = dot(axis, v) * (1 - c);
    return {v[0] * c + across[0] * s + axis[0] * along, v[1] * c + across[1] * s + axis[1] * along,
            v[2] * c + across[2] * s + axis[2] * along};
}

bool isGlobal(const std::array<double, 3>& axis) {
    return axis[0] == 0 && axis[1] == 0 && axis[2] == 0;
}

// The global axis (0, 1, 2) a unit vector lies along, or -1.
int globalAxisAlong(const Vector& v) {
    for (int k = 0; k < 3; ++k)
        if (std::abs(std::abs(v[static_cast<std::size_t>(k)]) - 1) < 1e-9)
            return k;
    return -1;
}

} // namespace

bool restraintsInGlobal(const TNODE& joint, const DofFlags& local, DofFlags& global) {
    global = local;
    if (isGlobal(joint.assigned->localAxis1))
        return true;
    const Vector axis3 = cross(joint.assigned->localAxis1, joint.assigned->localAxis2);
    const std::array<Vector, 3> axes = {joint.assigned->localAxis1, joint.assigned->localAxis2, axis3};
    DofFlags mapped{};
    for (std::size_t l = 0; l < 3; ++l) {
        const int g = globalAxisAlong(axes[l]);
        if (g < 0) {
            const bool none = local[1] + local[2] + local[3] == 0 && local[4] + local[5] + local[6] == 0;
            const bool all = local[1] + local[2] + local[3] == 3 && local[4] + local[5] + local[6] == 3;
            return none || all;
        }
        mapped[static_cast<std::size_t>(g) + 1] = local[l + 1];
        mapped[static_cast<std::size_t>(g) + 4] = local[l + 4];
    }
    global = mapped;
    return true;
}

// JOINT LOCAL AXES ASSIGNMENTS 1 - TYPICAL: SAP2000 turns the global axes by AngleA about 3, then
// by AngleB about the new -2, then by AngleC about the new 1.
void readJointLocalAxes(ImportContext& context) {
    Rows rows(context.file, "JOINT LOCAL AXES ASSIGNMENTS 1 - TYPICAL");
    while (rows.next()) {
        TNODE& joint = context.store.nodes[static_cast<std::size_t>(jointOf(context, rows, "Joint"))];
        const double a = rows.real("AngleA", 0), b = rows.real("AngleB", 0), c = rows.real("AngleC", 0);
        if (rows.yes("AdvanceAxes", false))
            context.report.addNotCarried("joints with advanced local axes (the angles alone are used)");
        if (a == 0 && b == 0 && c == 0)
            continue;
        Vector axis1{1, 0, 0}, axis2{0, 1, 0};
        const Vector axis3{0, 0, 1};
        axis1 = turned(axis1, axis3, a);
        axis2 = turned(axis2, axis3, a);
        const Vector minus2 = scaled(axis2, -1);
        axis1 = turned(axis1, minus2, b);
        axis2 = turned(axis2, axis1, c);
        joint.assigned.edit().localAxis1 = axis1;
        joint.assigned.edit().localAxis2 = axis2;
    }
}

// JOINT SPRING ASSIGNMENTS 1 - UNCOUPLED: springs to the ground along and about the joint's local
// axes (CoordSys Local) or the global ones.
void readJointSprings(ImportContext& context) {
    static constexpr std::array<std::string_view, 7> keys = {"", "U1", "U2", "U3", "R1", "R2", "R3"};
    const UnitScale& units = context.units;
    Rows rows(context.file, "JOINT SPRING ASSIGNMENTS 1 - UNCOUPLED");
    while (rows.next()) {
        TNODE& joint = context.store.nodes[static_cast<std::size_t>(jointOf(context, rows, "Joint"))];
        const std::string_view system = rows.text("CoordSys", "Local");
        if (!equalsIgnoringCase(system, "Local") && !equalsIgnoringCase(system, "GLOBAL"))
            rows.fail("CoordSys=" + std::string(system) + ": joint springs are read in Local or GLOBAL axes",
                      rows.find("CoordSys"));
        if (equalsIgnoringCase(system, "GLOBAL") && !isGlobal(joint.assigned->localAxis1)) {
            context.report.addNotCarried("springs in global axes at joints with local axes");
            continue;
        }
        for (std::size_t dof = 1; dof < keys.size(); ++dof) {
            const double stiffness = rows.real(keys[dof], 0);
            if (stiffness < 0)
                rows.fail(std::string(keys[dof]) + "=" + std::string(rows.text(keys[dof])) +
                              ": a spring cannot have a negative stiffness",
                          rows.find(keys[dof]));
            joint.assigned.edit().spring[dof] +=
                stiffness * (dof <= 3 ? units.forcePerLength() : units.moment());
        }
    }
}

} // namespace kelvane::tables
