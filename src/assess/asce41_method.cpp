#include "assess/asce41_method.h"

#include "assess/assess_number.h"
#include "assess/n2_method.h"
#include "common/error.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane {
namespace {

constexpr double kAgreement = 0.001;
constexpr int kMostIterations = 100;

double siteFactor(char site) {
    return site == 'A' || site == 'B' ? 130.0 : site == 'C' ? 90.0 : 60.0;
}

// The area under the bilinear curve (0,0) - (dy, Vy) - (dd, Vd) less that under the capacity curve.
double areaExcess(const CapacityCurve& curve, double vy, double dd, double vd, double& dy) {
    const double at60 = displacementAtShear(curve, 0.6 * vy);
    dy = at60 / 0.6;
    const double corner = std::min(dy, dd);
    const double bilinear = 0.5 * corner * vy + 0.5 * (vy + vd) * (dd - corner);
    return bilinear - areaUpTo(curve, dd);
}

// Vy of the bilinear fit up to (dd, Vd): the equal-area condition solved by bisection between a
// small share of the peak shear and the largest Vy whose 0.6 Vy the curve reaches, or the peak
// shear itself: a curve that yields early and then stays nearly flat puts the corner of the former
// beyond dd, where the bilinear line falls below the curve again.
void fitBilinear(const CapacityCurve& curve, Asce41Result& r) {
    const double peak = curve.v[peakPoint(curve)];
    double low = 1e-6 * peak, high = std::min(peak / 0.6, 2 * peak);
    double dy = 0;
    // A curve still straight up to dd fits every Vy up to Vd: rounding decides the sign there.
    const double tolerance = 1e-9 * areaUpTo(curve, r.dd);
    const bool lowAbove = areaExcess(curve, low, r.dd, r.vd, dy) > tolerance;
    if (!(areaExcess(curve, high, r.dd, r.vd, dy) > tolerance))
        high = peak;
    if (lowAbove || !(areaExcess(curve, high, r.dd, r.vd, dy) > tolerance))
        fail("No bilinear curve of equal area fits the capacity curve up to " + assessNumber(r.dd) + " mm");
    for (int i = 0; i < 200 && high - low > 1e-12 * peak; ++i) {
        const double middle = 0.5 * (low + high);
        if (areaExcess(curve, middle, r.dd, r.vd, dy) > tolerance)
            high = middle;
        else
            low = middle;
    }
    r.vy = 0.5 * (low + high);
    areaExcess(curve, r.vy, r.dd, r.vd, r.dy);
    r.ke = r.vy / r.dy;
    r.alpha1 = r.dd > r.dy ? (r.vd - r.vy) / (r.dd - r.dy) / r.ke : 0.0;
}

void solve(const CapacityCurve& curve, const PushShape& shape, const ResponseSpectrum& spectrum,
           Asce41Result& r) {
    r.vd = shearAt(curve, r.dd);
    fitBilinear(curve, r);
    r.te = r.ti * std::sqrt(r.ki / r.ke);
    r.saG = spectralAcceleration(spectrum, r.te);
    r.weight = shape.totalMass * kGravityMmPerS2;
    r.muStrength = r.saG / (r.vy / r.weight) * r.cm;
    const double excess = std::max(0.0, r.muStrength - 1);
    const double t1 = std::max(0.2, r.te);
    r.c1 = r.te > 1.0 ? 1.0 : 1 + excess / (r.a * t1 * t1);
    r.c2 = r.te > 0.7 ? 1.0 : 1 + std::pow(excess / r.te, 2) / 800;
    r.dt = r.c0 * r.c1 * r.c2 * r.saG * kGravityMmPerS2 * r.te * r.te /
           (4 * std::numbers::pi * std::numbers::pi);
}

} // namespace

Asce41Result asce41TargetDisplacement(const CapacityCurve& curve, const PushShape& shape,
                                      const ResponseSpectrum& spectrum, const Asce41Options& options) {
    Asce41Result r;
    r.c0 = shape.gamma;
    r.cm = options.cm;
    r.site = siteClass(spectrum);
    r.a = siteFactor(r.site);
    r.ki = curve.v[1] / curve.d[1];
    if (!(r.ki > 0))
        fail("The pushover's first step has no lateral stiffness: no elastic period");
    r.tiGiven = options.period.has_value();
    r.ti = options.period ? *options.period : 2 * std::numbers::pi * std::sqrt(shape.mStar / r.ki);
    const double peakDisplacement = curve.d[peakPoint(curve)];
    r.dd = peakDisplacement;
    solve(curve, shape, spectrum, r);
    while (r.dt < peakDisplacement && std::abs(r.dt - r.dd) > kAgreement * r.dd) {
        if (r.iterations == kMostIterations) {
            r.notes.push_back("The refit up to the target did not settle in " +
                              std::to_string(kMostIterations) + " rounds");
            break;
        }
        ++r.iterations;
        r.dd = r.dt;
        solve(curve, shape, spectrum, r);
    }
    if (r.dt > curve.d.back())
        r.notes.push_back("The target " + assessNumber(r.dt) + " mm lies beyond the pushover's last point (" +
                          assessNumber(curve.d.back()) + " mm): push further to check the frame there");
    return r;
}

std::vector<std::string> asce41Lines(const Asce41Result& r) {
    std::vector<std::string> lines;
    const auto add = [&](const std::string& name, double value) {
        lines.push_back(name + "=" + assessNumber(value));
    };
    add("C0", r.c0);
    add("Ki", r.ki);
    add("Ti", r.ti);
    lines.push_back(std::string("Ti_source=") + (r.tiGiven ? "given" : "2 pi sqrt(m* / Ki)"));
    add("Dd", r.dd);
    add("Vd", r.vd);
    add("Vy", r.vy);
    add("dy", r.dy);
    add("Ke", r.ke);
    add("alpha1", r.alpha1);
    add("Te", r.te);
    add("Sa_g", r.saG);
    add("W", r.weight);
    add("Cm", r.cm);
    add("mu_strength", r.muStrength);
    lines.push_back(std::string("site_class=") + r.site);
    add("a", r.a);
    add("C1", r.c1);
    add("C2", r.c2);
    lines.push_back("iterations=" + std::to_string(r.iterations));
    add("target_displacement", r.dt);
    return lines;
}

} // namespace kelvane
