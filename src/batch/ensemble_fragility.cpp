#include "batch/ensemble_fragility.h"

#include "batch/batch_csv.h"
#include "batch/scale_list.h"
#include "common/error.h"
#include "common/number_format.h"

#include <algorithm>
#include <cmath>

namespace kelvane {
namespace {

constexpr int kCurvePoints = 100;
constexpr double kCurveReach = 1.5; // the fitted curve runs past the largest scale by half of it

bool passed(const RunSummary& entry, const std::optional<double>& driftLimit) {
    if (entry.status.state == RunState::Collapse)
        return true;
    return driftLimit && entry.peaks && entry.peaks->driftRatio >= *driftLimit;
}

} // namespace

EnsembleFragility ensembleFragility(const std::vector<RunSummary>& summary,
                                    std::optional<double> driftLimit) {
    if (driftLimit && !(*driftLimit > 0))
        fail("The drift limit must be positive, not " + formatGeneral(*driftLimit));
    EnsembleFragility fragility;
    fragility.driftLimit = driftLimit;
    for (const RunSummary& entry : summary) {
        if (!runEnded(entry.status.state))
            continue;
        auto stripe = std::find_if(fragility.stripes.begin(), fragility.stripes.end(),
                                   [&](const FragilityStripe& s) { return s.intensity == entry.run.scale; });
        if (stripe == fragility.stripes.end()) {
            fragility.stripes.push_back({entry.run.scale, 0, 0});
            stripe = fragility.stripes.end() - 1;
        }
        ++stripe->runs;
        stripe->exceeded += passed(entry, driftLimit) ? 1 : 0;
    }
    std::sort(fragility.stripes.begin(), fragility.stripes.end(),
              [](const FragilityStripe& a, const FragilityStripe& b) { return a.intensity < b.intensity; });
    fragility.result = fitFragility(fragility.stripes);
    return fragility;
}

std::string limitStateText(const EnsembleFragility& fragility) {
    return fragility.driftLimit ? "drift ratio " + formatGeneral(*fragility.driftLimit) : "collapse";
}

std::vector<std::string> fragilityCsvLines(const EnsembleFragility& fragility) {
    const std::optional<FragilityFit>& fit = fragility.result.fit;
    std::vector<std::string> lines{
        csvLine({"limit_state", limitStateText(fragility)}),
        csvLine({"median", fit ? formatGeneral(fit->median) : ""}),
        csvLine({"beta", fit ? formatGeneral(fit->beta) : ""}),
        csvLine({"note", fragility.result.reason}),
        "scale,runs,exceeded,observed_fraction,fitted_probability",
    };
    for (const FragilityStripe& stripe : fragility.stripes)
        lines.push_back(csvLine({scaleText(stripe.intensity), std::to_string(stripe.runs),
                                 std::to_string(stripe.exceeded),
                                 formatGeneral(static_cast<double>(stripe.exceeded) / stripe.runs),
                                 fit ? formatGeneral(fragilityProbability(*fit, stripe.intensity)) : ""}));
    return lines;
}

std::vector<std::string> fragilityResultLines(const EnsembleFragility& fragility) {
    if (const auto& fit = fragility.result.fit)
        return {"fragility_median=" + formatGeneral(fit->median),
                "fragility_beta=" + formatGeneral(fit->beta)};
    std::vector<std::string> lines{"fragility: no lognormal fit for " + limitStateText(fragility) + ": " +
                                   fragility.result.reason + "; the counted fractions per scale:"};
    for (const FragilityStripe& stripe : fragility.stripes)
        lines.push_back("  scale " + scaleText(stripe.intensity) + ": " + std::to_string(stripe.exceeded) +
                        " of " + std::to_string(stripe.runs));
    return lines;
}

std::vector<Curve> fragilityCurves(const EnsembleFragility& fragility) {
    Curve observed;
    observed.title = "Observed fraction";
    observed.xTitle = "Scale of the record";
    observed.yTitle = "Probability of exceeding " + limitStateText(fragility);
    observed.xColumn = "scale";
    observed.yColumn = "fraction";
    for (const FragilityStripe& stripe : fragility.stripes) {
        observed.x.push_back(stripe.intensity);
        observed.y.push_back(static_cast<double>(stripe.exceeded) / stripe.runs);
    }
    std::vector<Curve> curves{observed};
    const std::optional<FragilityFit>& fit = fragility.result.fit;
    if (!fit || fragility.stripes.empty())
        return curves;
    Curve fitted = observed;
    fitted.title =
        "Lognormal fit: median " + formatGeneral(fit->median) + ", beta " + formatGeneral(fit->beta);
    fitted.yColumn = "probability";
    fitted.x.clear();
    fitted.y.clear();
    const double reach = kCurveReach * std::max(fragility.stripes.back().intensity, fit->median);
    for (int k = 0; k <= kCurvePoints; ++k) {
        const double x = reach * k / kCurvePoints;
        fitted.x.push_back(x);
        fitted.y.push_back(fragilityProbability(*fit, x));
    }
    curves.push_back(std::move(fitted));
    return curves;
}

} // namespace kelvane
