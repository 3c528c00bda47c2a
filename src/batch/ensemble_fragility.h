#pragma once

#include "batch/batch_collect.h"
#include "batch/lognormal_fragility.h"
#include "results/curves.h"

#include <optional>
#include <string>
#include <vector>

// The fragility of an ensemble: at each scale, how many of the runs that ended passed a limit
// state, and the lognormal curve fitted to those counts.
namespace kelvane {

inline constexpr const char* kFragilityFileName = "fragility.csv";
inline constexpr const char* kFragilityTitle = "Fragility";

// The limit state: a peak interstorey drift ratio (a collapsed run passes it too), or collapse
// itself (`driftLimit` empty).
struct EnsembleFragility {
    std::optional<double> driftLimit;
    std::vector<FragilityStripe> stripes; // by rising scale
    FragilityResult result;
};

// Counts the runs that completed or collapsed at every scale of the ensemble and fits the curve;
// failed runs and runs not yet run are left out. A drift limit that is not positive is refused.
EnsembleFragility ensembleFragility(const std::vector<RunSummary>& summary, std::optional<double> driftLimit);

// fragility.csv: the limit state and the fit (or why there is none) as name,value lines, then one
// line per scale: scale,runs,exceeded,observed_fraction,fitted_probability (the last empty
// without a fit).
std::vector<std::string> fragilityCsvLines(const EnsembleFragility& fragility);

// The observed fractions against the scale, and the fitted curve over the scales' range (from 0
// to 1.5 times the largest), for drawing together.
std::vector<Curve> fragilityCurves(const EnsembleFragility& fragility);

// What the fit found, for the user: fragility_median= and fragility_beta= lines, or why no curve
// fits followed by the counted fractions per scale.
std::vector<std::string> fragilityResultLines(const EnsembleFragility& fragility);

// "drift ratio 0.02" or "collapse", for titles and messages.
std::string limitStateText(const EnsembleFragility& fragility);

} // namespace kelvane
