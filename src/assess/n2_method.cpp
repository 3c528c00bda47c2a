#include "assess/n2_method.h"

#include "assess/assess_number.h"
#include "common/error.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane {
namespace {

constexpr double kIterateAbove = 0.05;
constexpr double kAgreement = 0.001;
constexpr int kMostIterations = 100;

// Steps 2 to 4 for the idealisation up to dm* with yield force Fy*.
void solve(const CapacityCurve& curve, N2Result& r, const ResponseSpectrum& spectrum) {
    const double gamma = r.gamma;
    r.emStar = areaUpTo(curve, r.dmStar * gamma) / (gamma * gamma);
    r.dyStar = 2 * (r.dmStar - r.emStar / r.fyStar);
    if (!(r.dyStar > 0))
        fail(
            "The capacity curve up to " + assessNumber(r.dmStar * gamma) +
            " mm holds more work than its elastic-perfectly plastic idealisation can: no yield displacement");
    r.tStar = 2 * std::numbers::pi * std::sqrt(r.mStar * r.dyStar / r.fyStar);
    r.seG = spectralAcceleration(spectrum, r.tStar);
    const double se = r.seG * kGravityMmPerS2;
    r.detStar = se * std::pow(r.tStar / (2 * std::numbers::pi), 2);
    r.qu = std::max(1.0, se * r.mStar / r.fyStar);
    if (r.tStar >= r.tc || r.qu <= 1)
        r.dtStar = r.detStar;
    else
        r.dtStar = std::clamp(r.detStar / r.qu * (1 + (r.qu - 1) * r.tc / r.tStar), r.detStar, 3 * r.detStar);
    r.dt = gamma * r.dtStar;
}

} // namespace

N2Result n2TargetDisplacement(const CapacityCurve& curve, const PushShape& shape,
                              const ResponseSpectrum& spectrum) {
    N2Result r;
    r.gamma = shape.gamma;
    r.mStar = shape.mStar;
    r.tc = cornerPeriod(spectrum);
    const std::size_t peak = peakPoint(curve);
    r.dmStar = curve.d[peak] / r.gamma;
    r.fyStar = curve.v[peak] / r.gamma;
    solve(curve, r, spectrum);
    r.firstDt = r.dt;
    const double end = curve.d.back() / r.gamma;
    if (std::abs(r.dtStar - r.dmStar) <= kIterateAbove * r.dmStar)
        return r;
    while (std::abs(r.dtStar - r.dmStar) > kAgreement * r.dmStar) {
        if (r.dtStar > end) {
            r.notes.push_back("The target " + assessNumber(r.dt) +
                              " mm lies beyond the pushover's last point (" + assessNumber(curve.d.back()) +
                              " mm): the idealisation stays at dm*; push further to check it");
            break;
        }
        if (r.iterations == kMostIterations) {
            r.notes.push_back("The iteration on dm* did not settle in " + std::to_string(kMostIterations) +
                              " rounds");
            break;
        }
        ++r.iterations;
        r.dmStar = r.dtStar;
        r.fyStar = shearAt(curve, r.dmStar * r.gamma) / r.gamma;
        solve(curve, r, spectrum);
    }
    return r;
}

std::vector<std::string> n2Lines(const N2Result& r) {
    std::vector<std::string> lines;
    const auto add = [&](const std::string& name, double value) {
        lines.push_back(name + "=" + assessNumber(value));
    };
    add("Gamma", r.gamma);
    add("m_star", r.mStar);
    add("dm_star", r.dmStar);
    add("Fy_star", r.fyStar);
    add("Em_star", r.emStar);
    add("dy_star", r.dyStar);
    add("T_star", r.tStar);
    add("TC", r.tc);
    lines.push_back(std::string("period_range=") +
                    (r.tStar < r.tc ? "short (T* < TC)" : "medium and long (T* >= TC)"));
    add("Se_T_star_g", r.seG);
    add("det_star", r.detStar);
    add("qu", r.qu);
    add("dt_star", r.dtStar);
    add("first_target_displacement", r.firstDt);
    lines.push_back("iterations=" + std::to_string(r.iterations));
    add("target_displacement", r.dt);
    return lines;
}

} // namespace kelvane
