#include "script/fixed_end_loads.h"

#include <cmath>

namespace kelvane {
namespace {

// The integral over the load of its intensity times kernel(s): the value at a for a point load;
// three Gauss points for a distributed one, exact for the polynomials of degree up to 5 that a
// linear intensity times a cubic kernel makes.
template <typename Kernel> double overLoad(const SpanLoad& load, Kernel kernel) {
    if (load.point)
        return load.wa * kernel(load.a);
    const double half = (load.b - load.a) / 2, middle = (load.a + load.b) / 2;
    const double offset = std::sqrt(0.6);
    double sum = 0;
    for (const auto& [xi, weight] :
         {std::pair{-offset, 5.0 / 9}, std::pair{0.0, 8.0 / 9}, std::pair{offset, 5.0 / 9}}) {
        const double s = middle + half * xi;
        const double w = load.wa + (load.wb - load.wa) * (xi + 1) / 2;
        sum += weight * w * kernel(s);
    }
    return sum * half;
}

// In one plane of the frame (x along axis 1, t a transverse axis, n = x × t): the loads on the
// joints, a force along t and a moment about n at each end.
struct PlaneEndLoads {
    double forceI = 0, momentI = 0, forceJ = 0, momentJ = 0;
};

// The load's resultant force along t and its moment about n at end I.
std::pair<double, double> resultants(const SpanLoad& load) {
    if (load.moment)
        return {0, overLoad(load, [](double) { return 1.0; })};
    return {overLoad(load, [](double) { return 1.0; }), overLoad(load, [](double s) { return s; })};
}

// Reactions at J (R along t, Mr about n) follow from the displacement and the rotation at J of the
// frame held at I alone, which the reactions must undo; those at I from equilibrium.
PlaneEndLoads heldPlane(const SpanLoad& load, double length, double ei, double gas) {
    const double L = length;
    const double shear = gas > 0 ? 1 / gas : 0;
    double v0 = 0, theta0 = 0;
    if (load.moment) {
        v0 = overLoad(load, [&](double s) { return (L * s - s * s / 2) / ei; });
        theta0 = overLoad(load, [&](double s) { return s / ei; });
    } else {
        v0 = overLoad(load, [&](double s) { return (L * s * s / 2 - s * s * s / 6) / ei + s * shear; });
        theta0 = overLoad(load, [&](double s) { return s * s / (2 * ei); });
    }
    const double f11 = L * L * L / (3 * ei) + L * shear, f12 = L * L / (2 * ei), f22 = L / ei;
    const double determinant = f11 * f22 - f12 * f12;
    const double r = (-v0 * f22 + theta0 * f12) / determinant;
    const double mr = (-theta0 * f11 + v0 * f12) / determinant;
    const auto [force, moment] = resultants(load);
    const double vI = -(r + force);
    const double mI = -(mr + r * L + moment);
    return {-vI, -mI, -r, -mr};
}

PlaneEndLoads pinnedPlane(const SpanLoad& load, double length) {
    const auto [force, moment] = resultants(load);
    const double r = -moment / length;
    return {r + force, 0, -r, 0};
}

// The lever rule for axial forces and torques: the share of each end.
std::pair<double, double> leverShares(const SpanLoad& load, double length) {
    return {overLoad(load, [&](double s) { return 1 - s / length; }),
            overLoad(load, [&](double s) { return s / length; })};
}

template <typename Plane> EndLoads endLoads(const SpanLoad& load, double length, Plane plane) {
    EndLoads loads{};
    if (load.direction == 1) {
        const auto [i, j] = leverShares(load, length);
        const std::size_t component = load.moment ? 3 : 0;
        loads[component] = i;
        loads[component + 6] = j;
        return loads;
    }
    // A force along 2 or a moment about 3 bends in the plane of axis 2, where n is axis 3; a
    // force along 3 or a moment about 2 in the plane of axis 3, where n is -axis 2.
    const bool plane2 = load.moment ? load.direction == 3 : load.direction == 2;
    SpanLoad planar = load;
    if (load.moment && load.direction == 2) {
        planar.wa = -load.wa;
        planar.wb = -load.wb;
    }
    const PlaneEndLoads ends = plane(planar, plane2);
    const std::size_t force = plane2 ? 1 : 2, moment = plane2 ? 5 : 4;
    const double sign = plane2 ? 1 : -1;
    loads[force] = ends.forceI;
    loads[moment] = sign * ends.momentI;
    loads[force + 6] = ends.forceJ;
    loads[moment + 6] = sign * ends.momentJ;
    return loads;
}

} // namespace

EndLoads fixedEndLoads(const SpanLoad& load, const SpanStiffness& stiffness) {
    return endLoads(load, stiffness.length, [&](const SpanLoad& planar, bool plane2) {
        return plane2 ? heldPlane(planar, stiffness.length, stiffness.ei3, stiffness.gas2)
                      : heldPlane(planar, stiffness.length, stiffness.ei2, stiffness.gas3);
    });
}

EndLoads pinnedEndLoads(const SpanLoad& load, double length) {
    return endLoads(load, length, [&](const SpanLoad& planar, bool) { return pinnedPlane(planar, length); });
}

} // namespace kelvane
