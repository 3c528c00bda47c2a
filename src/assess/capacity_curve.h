#pragma once

#include "results/curves.h"

#include <string>
#include <vector>

// The capacity curve of a pushover as the target-displacement methods read it: base shear against
// the control displacement, from rest, both positive in the direction pushed, and the
// piecewise-linear sums over it that the idealisations need.
namespace kelvane {

struct CapacityCurve {
    std::vector<double> d, v; // d[0] = v[0] = 0, then one point per pushover step
};

// The pushover curve less its first point (where gravity left the frame), turned to positive
// values when pushed towards negative displacements. Refuses a curve with fewer than two points
// or one that does not leave zero.
CapacityCurve capacityCurve(const Curve& pushover);

// The base shear at displacement `at` (linear between points); `at` within the curve.
double shearAt(const CapacityCurve& curve, double at);
// The area under the curve from 0 to `at`: the work of the lateral forces.
double areaUpTo(const CapacityCurve& curve, double at);
// The first displacement at which the shear reaches `shear` (linear between points); -1 if never.
double displacementAtShear(const CapacityCurve& curve, double shear);
// The index of the point of largest shear: the last of a plateau, where the mechanism has formed.
std::size_t peakPoint(const CapacityCurve& curve);

} // namespace kelvane
