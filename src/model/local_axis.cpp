#include "model/local_axis.h"

#include "common/checked_math.h"

#include <cmath>
#include <numbers>

namespace kelvane {
namespace {

// arccos as the two-argument arctangent of sqrt(1 - x^2) and x, accurate near x = +-1.
double arcCos(double x) {
    return std::atan2(std::sqrt(1.0 - x * x), x);
}

} // namespace

Axis2 localAxis2(double xI, double yI, double zI, double xJ, double yJ, double zJ, double angleDegrees) {
    constexpr double pi = std::numbers::pi;
    const double dx = xJ - xI;
    const double dy = yJ - yI;
    const double dz = zJ - zI;

    const double horizontal = std::sqrt(dy * dy + dx * dx);
    double sine = 0.0;
    double cosine = -1.0; // a vertical member
    if (horizontal > 0.0) {
        sine = checkedDiv(dy, horizontal);
        cosine = checkedDiv(dx, horizontal);
    }
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);

    const double plan = sine >= 0.0 ? arcCos(cosine) : 2.0 * pi - arcCos(cosine);
    const double elevationCosine = checkedDiv(horizontal, length);
    const double elevation =
        checkedDiv(dz, length) >= 0.0 ? arcCos(elevationCosine) : 2.0 * pi - arcCos(elevationCosine);
    const double beta = angleDegrees * pi / 180.0;

    Axis2 axis;
    axis.x = -std::cos(beta) * std::cos(elevation - pi / 2.0) * std::cos(plan) -
             std::sin(beta) * std::cos(plan + pi / 2.0);
    axis.y = -std::cos(beta) * std::cos(elevation - pi / 2.0) * std::sin(plan) -
             std::sin(beta) * std::sin(plan + pi / 2.0);
    axis.z = -std::cos(beta) * std::sin(elevation - pi / 2.0);
    checkedFinite(axis.x);
    checkedFinite(axis.y);
    checkedFinite(axis.z);
    return axis;
}

} // namespace kelvane
