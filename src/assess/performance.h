#pragma once

#include "assess/asce41_method.h"
#include "assess/n2_method.h"
#include "model/model_store.h"
#include "results/curves.h"
#include "script/analysis_settings.h"

#include <optional>
#include <string>
#include <vector>

// The performance of a pushover run: its target displacement by a chosen method, every quantity on
// the way as name=value lines, and the charts that show it (what `kelvane-cli assess` prints and
// draws and the Performance window shows).
namespace kelvane {

enum class TargetMethod { N2, Asce41 };

struct PerformanceRequest {
    int dof = 1;
    std::optional<int> joint; // the control joint; default the run's controlNode
    TargetMethod method = TargetMethod::N2;
    std::string spectrum; // as parseResponseSpectrum reads it
    Asce41Options asce41;
};

struct PerformanceReport {
    std::vector<std::string> lines; // name=value
    std::vector<std::string> notes;
    double targetDisplacement = 0; // mm, at the control joint
    std::string capacityTitle;
    std::vector<Curve> capacity; // the capacity curve, its idealisation and the target
    std::string adrsTitle;
    std::vector<Curve> adrs; // N2 only: capacity against the demand in Sa-Sd form
};

// Reads the run's pushover curve and push shape, finds the target displacement and draws it.
PerformanceReport assessPerformance(const ModelStore& store, const AnalysisSettings& analysis,
                                    const std::string& folder, const PerformanceRequest& request);

// The same from a capacity curve and push shape already at hand.
PerformanceReport performanceOf(const CapacityCurve& curve, const PushShape& shape,
                                const PerformanceRequest& request);

TargetMethod parseTargetMethod(const std::string& text);

} // namespace kelvane
