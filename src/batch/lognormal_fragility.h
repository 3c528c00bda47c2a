#pragma once

#include <optional>
#include <string>
#include <vector>

// The lognormal fragility function of a multiple-stripe analysis, fitted by maximum likelihood:
// P(exceed | x) = Phi(ln(x / median) / beta), each stripe's exceedances counted as a binomial
// outcome of its runs (Baker 2015).
namespace kelvane {

struct FragilityStripe {
    double intensity = 0; // the scale of the records, > 0
    int runs = 0;         // the runs of the stripe that ended
    int exceeded = 0;     // of them, those past the limit
};

struct FragilityFit {
    double median = 0; // theta, the intensity with half the runs exceeding
    double beta = 0;   // the dispersion: the standard deviation of ln(intensity)
    double logLikelihood = 0;
};

// Why no fit exists for some data sets; the fit itself when it does.
struct FragilityResult {
    std::optional<FragilityFit> fit;
    std::string reason; // empty with a fit
};

// The probability of exceeding at `intensity` under the fitted curve.
double fragilityProbability(const FragilityFit& fit, double intensity);

// The binomial log-likelihood of the stripes under a median and dispersion (both > 0); the
// binomial coefficients, which do not depend on them, are left out.
double fragilityLogLikelihood(const std::vector<FragilityStripe>& stripes, double median, double beta);

// The maximum-likelihood fit. Without a maximum the result gives the reason instead: no stripe with
// runs, no exceedance at all, every run exceeded, exceedances falling with the intensity, or
// every stripe all-or-nothing with the two kinds separated, but for at most one mixed stripe
// between them (the likelihood then grows as beta goes to zero: the data fix no dispersion). Stripes with no
// run are ignored; a stripe of a non-positive intensity or more exceedances than runs is refused.
FragilityResult fitFragility(const std::vector<FragilityStripe>& stripes);

} // namespace kelvane
