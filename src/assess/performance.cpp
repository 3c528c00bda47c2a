#include "assess/performance.h"

#include "assess/assess_number.h"
#include "assess/storey_drifts.h"
#include "common/error.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

Curve lineCurve(std::string title, std::vector<double> x, std::vector<double> y) {
    Curve curve;
    curve.title = std::move(title);
    curve.x = std::move(x);
    curve.y = std::move(y);
    return curve;
}

void setAxes(std::vector<Curve>& curves, const std::string& xTitle, const std::string& yTitle) {
    for (Curve& curve : curves) {
        curve.xTitle = xTitle;
        curve.yTitle = yTitle;
        curve.xColumn = "x";
        curve.yColumn = "y";
    }
}

double largest(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

Curve capacityLine(const CapacityCurve& curve) {
    return lineCurve("Capacity curve", curve.d, curve.v);
}

Curve targetLine(double target, double height) {
    return lineCurve("Target displacement " + assessNumber(target) + " mm", {target, target}, {0, height});
}

void n2Charts(const CapacityCurve& curve, const PushShape& shape, const ResponseSpectrum& spectrum,
              const N2Result& r, PerformanceReport& report) {
    const double g = r.gamma;
    report.capacityTitle = "N2 method: capacity curve and its idealisation";
    report.capacity = {capacityLine(curve),
                       lineCurve("Elastic-perfectly plastic idealisation", {0, g * r.dyStar, g * r.dmStar},
                                 {0, g * r.fyStar, g * r.fyStar}),
                       targetLine(r.dt, 1.1 * largest(curve.v))};
    setAxes(report.capacity, "Control displacement (mm)", "Base shear (N)");

    // Sa (g) against Sd (mm) of the equivalent system.
    const double toG = 1 / (shape.mStar * kGravityMmPerS2);
    Curve capacity = lineCurve("Capacity (F* / m*)", {}, {});
    for (std::size_t i = 0; i < curve.d.size(); ++i) {
        capacity.x.push_back(curve.d[i] / g);
        capacity.y.push_back(curve.v[i] / g * toG);
    }
    const double mu = std::max(1.0, r.dtStar / r.dyStar);
    Curve elastic = lineCurve("Elastic demand", {}, {});
    Curve inelastic = lineCurve("Inelastic demand, mu = " + assessNumber(mu), {}, {});
    const double farthest = 2.5 * std::max(r.dtStar, capacity.x.back());
    for (int i = 0; i <= 60; ++i) {
        const double t = 0.05 * i;
        const double sa = spectralAcceleration(spectrum, t);
        const double sd = sa * kGravityMmPerS2 * t * t / (kTwoPi * kTwoPi);
        const double reduction = t < r.tc ? (mu - 1) * t / r.tc + 1 : mu;
        if (sd <= farthest && (elastic.x.empty() || sd > elastic.x.back())) {
            elastic.x.push_back(sd);
            elastic.y.push_back(sa);
        }
        if (mu / reduction * sd <= farthest &&
            (inelastic.x.empty() || mu / reduction * sd > inelastic.x.back())) {
            inelastic.x.push_back(mu / reduction * sd);
            inelastic.y.push_back(sa / reduction);
        }
    }
    Curve idealised = lineCurve("Idealisation, T* = " + assessNumber(r.tStar) + " s", {0, r.dyStar, r.dmStar},
                                {0, r.fyStar * toG, r.fyStar * toG});
    report.adrsTitle = "N2 method: capacity and demand (ADRS)";
    report.adrs = {capacity, idealised, elastic, inelastic,
                   lineCurve("Target dt* = " + assessNumber(r.dtStar) + " mm", {r.dtStar, r.dtStar},
                             {0, std::max(r.seG, largest(capacity.y))})};
    setAxes(report.adrs, "Spectral displacement Sd (mm)", "Spectral acceleration Sa (g)");
}

void asce41Charts(const CapacityCurve& curve, const Asce41Result& r, PerformanceReport& report) {
    report.capacityTitle = "ASCE 41 coefficient method: capacity curve and its bilinear fit";
    report.capacity = {
        capacityLine(curve),
        lineCurve("Bilinear fit, Ke = " + assessNumber(r.ke) + " N/mm", {0, r.dy, r.dd}, {0, r.vy, r.vd}),
        targetLine(r.dt, 1.1 * largest(curve.v))};
    setAxes(report.capacity, "Control displacement (mm)", "Base shear (N)");
}

void addShapeLines(const PushShape& shape, std::vector<std::string>& lines) {
    lines.push_back("shape=" + shape.source);
    for (std::size_t i = 0; i < shape.joints.size(); ++i)
        lines.push_back("joint_" + std::to_string(shape.joints[i]) + "=mass " +
                        assessNumber(shape.masses[i]) + ", Phi " + assessNumber(shape.phi[i]));
    lines.push_back("total_mass=" + assessNumber(shape.totalMass));
    lines.push_back("sum_m_Phi=" + assessNumber(shape.mStar));
    lines.push_back("sum_m_Phi2=" + assessNumber(shape.sumMassPhi2));
}

// The storeys' drift ratios along the push when the control joint reaches the target: linear between
// the two recorded steps around it.
void addDriftsAtTarget(const ModelStore& store, const AnalysisSettings& analysis, const std::string& folder,
                       const PerformanceRequest& request, const CapacityCurve& curve,
                       PerformanceReport& report) {
    if (request.dof > 2)
        return;
    const double target = report.targetDisplacement;
    std::size_t k = 1;
    while (k < curve.d.size() && curve.d[k] < target)
        ++k;
    if (k == curve.d.size()) {
        report.notes.push_back("No storey drifts at the target: the pushover stops short of it");
        return;
    }
    const int gravity = analysis.analysisType == GravityPushOver ? std::max(0, analysis.loadSteps) : 0;
    const double share = (target - curve.d[k - 1]) / (curve.d[k] - curve.d[k - 1]);
    const auto profileAt = [&](int line) {
        return storeyProfile(store, analysis, folder, request.dof, ProfileMoment::Step, line);
    };
    const StoreyProfile after = profileAt(gravity + static_cast<int>(k));
    const std::optional<StoreyProfile> before =
        gravity + static_cast<int>(k) - 1 >= 1 ? std::optional(profileAt(gravity + static_cast<int>(k) - 1))
                                               : std::nullopt;
    report.lines.push_back("target_between_steps=" + std::to_string(gravity + static_cast<int>(k) - 1) + "," +
                           std::to_string(gravity + static_cast<int>(k)));
    double largest = 0;
    for (std::size_t i = 0; i < after.storeys.size(); ++i) {
        const auto along = [&](const StoreyValues& v) { return request.dof == 1 ? v.driftX : v.driftY; };
        const double start = before ? along(before->storeys[i]) : 0.0;
        const double drift = start + share * (along(after.storeys[i]) - start);
        largest = std::max(largest, std::abs(drift));
        report.lines.push_back("drift_ratio_at_target_storey_" + std::to_string(after.storeys[i].storey) +
                               "=" + assessNumber(drift));
    }
    report.lines.push_back("largest_drift_ratio_at_target=" + assessNumber(largest));
}

} // namespace

TargetMethod parseTargetMethod(const std::string& text) {
    if (text == "n2")
        return TargetMethod::N2;
    if (text == "asce41")
        return TargetMethod::Asce41;
    fail("The method is n2 or asce41, not '" + text + "'");
}

PerformanceReport performanceOf(const CapacityCurve& curve, const PushShape& shape,
                                const PerformanceRequest& request) {
    const ResponseSpectrum spectrum = parseResponseSpectrum(request.spectrum);
    PerformanceReport report;
    report.lines.push_back(std::string("method=") + (request.method == TargetMethod::N2 ? "n2" : "asce41"));
    report.lines.push_back("curve_points=" + std::to_string(curve.d.size()));
    report.lines.push_back("peak_base_shear=" + assessNumber(curve.v[peakPoint(curve)]));
    report.lines.push_back("peak_displacement=" + assessNumber(curve.d[peakPoint(curve)]));
    report.lines.push_back("last_displacement=" + assessNumber(curve.d.back()));
    addShapeLines(shape, report.lines);
    const std::vector<std::string> spectrumText = spectrumLines(spectrum);
    report.lines.insert(report.lines.end(), spectrumText.begin(), spectrumText.end());
    std::vector<std::string> methodLines;
    if (request.method == TargetMethod::N2) {
        const N2Result r = n2TargetDisplacement(curve, shape, spectrum);
        methodLines = n2Lines(r);
        report.notes = r.notes;
        report.targetDisplacement = r.dt;
        n2Charts(curve, shape, spectrum, r, report);
    } else {
        const Asce41Result r = asce41TargetDisplacement(curve, shape, spectrum, request.asce41);
        methodLines = asce41Lines(r);
        report.notes = r.notes;
        report.targetDisplacement = r.dt;
        asce41Charts(curve, r, report);
    }
    report.lines.insert(report.lines.end(), methodLines.begin(), methodLines.end());
    return report;
}

PerformanceReport assessPerformance(const ModelStore& store, const AnalysisSettings& analysis,
                                    const std::string& folder, const PerformanceRequest& request) {
    if (analysis.analysisType != SingleDisplacementControl && analysis.analysisType != GravityPushOver)
        fail("The target displacement is that of a pushover: the run's analysisType is " +
             std::to_string(analysis.analysisType) +
             ", not 2 (displacement control) or 3 (gravity and pushover)");
    const int joint = request.joint.value_or(analysis.controlNode);
    const Curve pushover = pushoverCurve(store, analysis, folder, joint, request.dof);
    const CapacityCurve curve = capacityCurve(pushover);
    const PushShape shape = runPushShape(store, analysis, folder, joint, request.dof);
    PerformanceReport report = performanceOf(curve, shape, request);
    report.lines.insert(report.lines.begin(),
                        {"control_joint=" + std::to_string(joint), "dof=" + std::to_string(request.dof)});
    report.notes.insert(report.notes.begin(), pushover.notes.begin(), pushover.notes.end());
    try {
        addDriftsAtTarget(store, analysis, folder, request, curve, report);
    } catch (const KelvaneError& error) {
        report.notes.push_back(std::string("No storey drifts at the target: ") + error.what());
    }
    return report;
}

} // namespace kelvane
