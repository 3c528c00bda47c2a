#include "assess/capacity_curve.h"

#include "common/error.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

CapacityCurve capacityCurve(const Curve& pushover) {
    const std::size_t points = std::min(pushover.x.size(), pushover.y.size());
    if (points < 2)
        fail("The pushover curve holds fewer than two points: no target displacement can be found");
    const double sign = pushover.x[points - 1] < pushover.x[0] ? -1.0 : 1.0;
    CapacityCurve curve;
    for (std::size_t i = 0; i < points; ++i) {
        curve.d.push_back(sign * (pushover.x[i] - pushover.x[0]));
        curve.v.push_back(sign * (pushover.y[i] - pushover.y[0]));
    }
    if (!(curve.d.back() > 0) || !(curve.v[peakPoint(curve)] > 0))
        fail("The pushover curve does not move the control joint under a base shear: no target "
             "displacement can be found");
    return curve;
}

double shearAt(const CapacityCurve& curve, double at) {
    for (std::size_t i = 1; i < curve.d.size(); ++i)
        if (at <= curve.d[i] && curve.d[i] > curve.d[i - 1]) {
            const double share = std::clamp((at - curve.d[i - 1]) / (curve.d[i] - curve.d[i - 1]), 0.0, 1.0);
            return curve.v[i - 1] + share * (curve.v[i] - curve.v[i - 1]);
        }
    return curve.v.back();
}

double areaUpTo(const CapacityCurve& curve, double at) {
    double area = 0;
    for (std::size_t i = 1; i < curve.d.size() && curve.d[i - 1] < at; ++i) {
        const double end = std::min(at, curve.d[i]);
        area += 0.5 * (curve.v[i - 1] + shearAt(curve, end)) * (end - curve.d[i - 1]);
    }
    return area;
}

double displacementAtShear(const CapacityCurve& curve, double shear) {
    for (std::size_t i = 1; i < curve.d.size(); ++i)
        if (curve.v[i] >= shear && curve.v[i] != curve.v[i - 1]) {
            const double share =
                std::clamp((shear - curve.v[i - 1]) / (curve.v[i] - curve.v[i - 1]), 0.0, 1.0);
            return curve.d[i - 1] + share * (curve.d[i] - curve.d[i - 1]);
        }
    return -1;
}

std::size_t peakPoint(const CapacityCurve& curve) {
    const double most = *std::max_element(curve.v.begin(), curve.v.end());
    std::size_t last = 0;
    for (std::size_t i = 0; i < curve.v.size(); ++i)
        if (curve.v[i] >= most * (1 - 1e-9))
            last = i;
    return last;
}

} // namespace kelvane
