#include "batch/lognormal_fragility.h"

#include "common/error.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace kelvane {
namespace {

constexpr double kSmallestProbability = 1e-300;
constexpr int kNewtonSteps = 200;

double normalCdf(double z) {
    return 0.5 * std::erfc(-z / std::numbers::sqrt2);
}

double normalPdf(double z) {
    return std::exp(-0.5 * z * z) / std::sqrt(2 * std::numbers::pi);
}

// The log-likelihood in the probit form p = Phi(a + b ln x), a = -ln(median) / beta, b = 1 / beta.
double probitLogLikelihood(const std::vector<FragilityStripe>& stripes, double a, double b) {
    double sum = 0;
    for (const FragilityStripe& stripe : stripes) {
        const double z = a + b * std::log(stripe.intensity);
        // Phi(-z) for 1 - Phi(z) keeps the tail exact where Phi(z) rounds to 1.
        const double p = std::max(normalCdf(z), kSmallestProbability);
        const double q = std::max(normalCdf(-z), kSmallestProbability);
        sum += stripe.exceeded * std::log(p) + (stripe.runs - stripe.exceeded) * std::log(q);
    }
    return sum;
}

// Newton's method on the probit log-likelihood, which is concave in (a, b): each step solves with
// the Hessian and is halved until the likelihood rises.
std::array<double, 2> maximiseProbit(const std::vector<FragilityStripe>& stripes, double a, double b) {
    double current = probitLogLikelihood(stripes, a, b);
    for (int iteration = 0; iteration < kNewtonSteps; ++iteration) {
        double ga = 0, gb = 0, haa = 0, hab = 0, hbb = 0;
        for (const FragilityStripe& stripe : stripes) {
            const double u = std::log(stripe.intensity);
            const double z = a + b * u;
            const double p = std::max(normalCdf(z), kSmallestProbability);
            const double q = std::max(normalCdf(-z), kSmallestProbability);
            const double phi = normalPdf(z);
            const double failures = stripe.runs - stripe.exceeded;
            // d/dz of the stripe's log-likelihood, and its second derivative.
            const double first = stripe.exceeded * phi / p - failures * phi / q;
            const double second = stripe.exceeded * (-z * phi / p - phi * phi / (p * p)) +
                                  failures * (z * phi / q - phi * phi / (q * q));
            ga += first;
            gb += first * u;
            haa += second;
            hab += second * u;
            hbb += second * u * u;
        }
        const double determinant = haa * hbb - hab * hab;
        if (!(determinant > 0) || !std::isfinite(determinant))
            break;
        double da = -(hbb * ga - hab * gb) / determinant;
        double db = -(haa * gb - hab * ga) / determinant;
        bool improved = false;
        for (int halving = 0; halving < 60; ++halving) {
            const double next = probitLogLikelihood(stripes, a + da, b + db);
            if (next >= current) {
                improved = true;
                a += da;
                b += db;
                const double gain = next - current;
                current = next;
                if (gain < 1e-14 * (1 + std::abs(current)) && std::abs(da) + std::abs(db) < 1e-12)
                    return {a, b};
                break;
            }
            da *= 0.5;
            db *= 0.5;
        }
        if (!improved)
            break;
    }
    return {a, b};
}

// Whether a step at one intensity explains the data as well as any curve: the stripes below it
// have no exceedance, those above it exceed in every run and at most the stripe at the step is
// mixed. The likelihood then grows as beta goes to zero and has no maximum.
bool separatedAtOneIntensity(const std::vector<FragilityStripe>& stripes) {
    double highestNone = -HUGE_VAL, lowestAll = HUGE_VAL;
    std::optional<double> mixed;
    for (const FragilityStripe& stripe : stripes) {
        if (stripe.exceeded == 0)
            highestNone = std::max(highestNone, stripe.intensity);
        else if (stripe.exceeded == stripe.runs)
            lowestAll = std::min(lowestAll, stripe.intensity);
        else if (mixed && *mixed != stripe.intensity)
            return false;
        else
            mixed = stripe.intensity;
    }
    if (mixed)
        return highestNone < *mixed && *mixed < lowestAll;
    return highestNone < lowestAll;
}

} // namespace

double fragilityProbability(const FragilityFit& fit, double intensity) {
    if (!(intensity > 0))
        return 0;
    return normalCdf(std::log(intensity / fit.median) / fit.beta);
}

double fragilityLogLikelihood(const std::vector<FragilityStripe>& stripes, double median, double beta) {
    if (!(median > 0) || !(beta > 0))
        fail("A fragility curve needs a positive median and dispersion");
    return probitLogLikelihood(stripes, -std::log(median) / beta, 1 / beta);
}

FragilityResult fitFragility(const std::vector<FragilityStripe>& input) {
    std::vector<FragilityStripe> stripes;
    int runs = 0, exceeded = 0;
    for (const FragilityStripe& stripe : input) {
        if (!(stripe.intensity > 0) || !std::isfinite(stripe.intensity))
            fail("A fragility stripe needs a positive intensity, not " + std::to_string(stripe.intensity));
        if (stripe.exceeded < 0 || stripe.exceeded > stripe.runs)
            fail("A fragility stripe at intensity " + std::to_string(stripe.intensity) + " counts " +
                 std::to_string(stripe.exceeded) + " exceedances of " + std::to_string(stripe.runs) +
                 " runs");
        if (stripe.runs == 0)
            continue;
        stripes.push_back(stripe);
        runs += stripe.runs;
        exceeded += stripe.exceeded;
    }
    if (stripes.empty())
        return {std::nullopt, "no run ended"};
    if (exceeded == 0)
        return {std::nullopt, "no run exceeded the limit"};
    if (exceeded == runs)
        return {std::nullopt, "every run exceeded the limit"};
    if (separatedAtOneIntensity(stripes))
        return {std::nullopt, "every stripe is all-or-nothing (but at most one, at the step between them): "
                              "the data fix no dispersion"};

    // Start from the median between the stripes and a dispersion of 0.5, common for records.
    double logSum = 0;
    for (const FragilityStripe& stripe : stripes)
        logSum += std::log(stripe.intensity);
    const double start = logSum / static_cast<double>(stripes.size());
    const auto [a, b] = maximiseProbit(stripes, -start / 0.5, 1 / 0.5);
    if (!(b > 0) || !std::isfinite(a) || !std::isfinite(b))
        return {std::nullopt, "the exceedances do not rise with the intensity"};
    FragilityFit fit;
    fit.beta = 1 / b;
    fit.median = std::exp(-a / b);
    fit.logLikelihood = probitLogLikelihood(stripes, a, b);
    return {fit, ""};
}

} // namespace kelvane
