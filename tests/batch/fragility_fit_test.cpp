#include "batch/ensemble_fragility.h"
#include "batch/lognormal_fragility.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

// The lognormal fragility of counted exceedances: the fit is the likelihood's maximum, found here
// again by a plain search over a grid of medians and dispersions.
namespace kelvane {
namespace {

struct GridMaximum {
    double median = 0, beta = 0, logLikelihood = -HUGE_VAL;
};

// The best point of a grid of medians 0.05..5 and dispersions 0.02..2, refined twice around it.
GridMaximum searchGrid(const std::vector<FragilityStripe>& stripes) {
    GridMaximum best;
    double lowMedian = 0.05, highMedian = 5, lowBeta = 0.02, highBeta = 2;
    for (int pass = 0; pass < 3; ++pass) {
        constexpr int kSteps = 400;
        for (int i = 0; i <= kSteps; ++i)
            for (int j = 0; j <= kSteps; ++j) {
                const double median = lowMedian * std::pow(highMedian / lowMedian, i / double(kSteps));
                const double beta = lowBeta + (highBeta - lowBeta) * j / kSteps;
                const double value = fragilityLogLikelihood(stripes, median, beta);
                if (value > best.logLikelihood)
                    best = {median, beta, value};
            }
        const double medianSpan = std::pow(highMedian / lowMedian, 2.0 / kSteps);
        const double betaSpan = 2 * (highBeta - lowBeta) / kSteps;
        lowMedian = best.median / medianSpan;
        highMedian = best.median * medianSpan;
        lowBeta = std::max(1e-3, best.beta - betaSpan);
        highBeta = best.beta + betaSpan;
    }
    return best;
}

struct FitCase {
    const char* name;
    std::vector<FragilityStripe> stripes;
};

class FragilityFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FragilityFitTest, MatchesTheLikelihoodMaximumOfAGridSearch) {
    const std::vector<FragilityStripe>& stripes = GetParam().stripes;
    const FragilityResult result = fitFragility(stripes);
    ASSERT_TRUE(result.fit) << result.reason;
    const GridMaximum grid = searchGrid(stripes);
    EXPECT_NEAR(result.fit->median, grid.median, 1e-3 * grid.median);
    EXPECT_NEAR(result.fit->beta, grid.beta, 1e-3 * grid.beta);
    // The fit is at least as likely as the grid's best point.
    EXPECT_GE(result.fit->logLikelihood, grid.logLikelihood - 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Stripes, FragilityFitTest,
    ::testing::Values(
        FitCase{"rising",
                {{0.2, 10, 0}, {0.4, 10, 1}, {0.6, 10, 3}, {0.8, 10, 6}, {1.0, 10, 8}, {1.2, 10, 10}}},
        FitCase{"uneven_runs", {{0.25, 4, 0}, {0.5, 7, 2}, {1.0, 5, 3}, {1.5, 9, 8}}},
        // Not monotone: a stronger stripe exceeding less often than a weaker one.
        FitCase{"scattered", {{0.3, 8, 1}, {0.6, 8, 4}, {0.9, 8, 3}, {1.2, 8, 7}, {2.0, 8, 8}}},
        // Three stripes, each of them mixed.
        FitCase{"three_mixed", {{0.5, 6, 1}, {1.0, 6, 4}, {2.0, 3, 2}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(FragilityFit, DataWithoutAMaximumSayWhy) {
    const struct {
        std::vector<FragilityStripe> stripes;
        const char* reason;
    } cases[] = {
        {{{0.5, 5, 0}, {1.0, 5, 0}}, "no run exceeded"},
        {{{0.5, 5, 5}, {1.0, 5, 5}}, "every run exceeded"},
        {{{0.5, 5, 0}, {1.0, 4, 0}, {1.5, 5, 5}}, "all-or-nothing"},
        {{{0.5, 2, 0}, {1.0, 2, 1}, {1.5, 2, 2}}, "all-or-nothing"},
        {{{0.5, 5, 4}, {1.0, 5, 3}, {1.5, 5, 1}}, "do not rise"},
        {{{0.5, 0, 0}}, "no run ended"},
    };
    for (const auto& c : cases) {
        const FragilityResult result = fitFragility(c.stripes);
        EXPECT_FALSE(result.fit);
        EXPECT_THAT(result.reason, ::testing::HasSubstr(c.reason));
    }
}

TEST(FragilityFit, CollapsedRunsExceedEveryDriftLimitAndFailedRunsAreLeftOut) {
    const auto run = [](double scale, RunState state, double drift) {
        RunSummary entry{BatchRun{}, RunStatus{state, ""}, std::nullopt};
        entry.run.scale = scale;
        if (runEnded(state))
            entry.peaks = RunPeaks{0, drift, 0, 1};
        return entry;
    };
    const std::vector<RunSummary> summary{
        run(1.0, RunState::Completed, 0.01), run(0.5, RunState::Completed, 0.005),
        run(1.0, RunState::Collapse, 0.004), run(1.0, RunState::Completed, 0.02),
        run(0.5, RunState::Failed, 0),       run(0.5, RunState::Completed, 0.03)};
    const EnsembleFragility drift = ensembleFragility(summary, 0.02);
    ASSERT_EQ(drift.stripes.size(), 2U);
    EXPECT_EQ(std::make_tuple(drift.stripes[0].intensity, drift.stripes[0].runs, drift.stripes[0].exceeded),
              std::make_tuple(0.5, 2, 1));
    EXPECT_EQ(std::make_tuple(drift.stripes[1].intensity, drift.stripes[1].runs, drift.stripes[1].exceeded),
              std::make_tuple(1.0, 3, 2));
    const EnsembleFragility collapse = ensembleFragility(summary, std::nullopt);
    EXPECT_EQ(collapse.stripes[0].exceeded + collapse.stripes[1].exceeded, 1);
}

} // namespace
} // namespace kelvane
