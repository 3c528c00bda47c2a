#include "script/fiber_strain_recorders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

// Where the recorded integration points lie along their element: the damage marks are drawn there.
namespace kelvane {
namespace {

TEST(FiberStrainRecorders, IntegrationPointsLieAtTheGaussLobattoPointsOrTheHinges) {
    const double r5 = std::sqrt(5.0), r37 = std::sqrt(3.0 / 7.0);
    const struct {
        std::int32_t elementType;
        int points;
        std::vector<double> positions;
    } cases[] = {
        {NonlinearBeamColumn, 2, {0, 1}},
        {NonlinearBeamColumn, 3, {0, 0.5, 1}},
        {DispBeamColumn, 4, {0, (1 - 1 / r5) / 2, (1 + 1 / r5) / 2, 1}},
        {NonlinearBeamColumn, 5, {0, (1 - r37) / 2, 0.5, (1 + r37) / 2, 1}},
        {BeamWithHinge, 3, {0, -1, -1, -1, -1, 1}}, // -1: an interior elastic section, no fibers
    };
    for (const auto& c : cases) {
        AnalysisSettings analysis;
        analysis.numIntgrPts = c.points;
        for (std::size_t p = 0; p < c.positions.size(); ++p) {
            const int point = static_cast<int>(p) + 1;
            const bool fibers = c.positions[p] >= 0;
            EXPECT_EQ(hasFiberSectionAt(c.elementType, point, analysis), fibers) << c.points << " " << point;
            if (fibers) {
                EXPECT_NEAR(integrationPointPosition(c.elementType, point, analysis), c.positions[p], 1e-12)
                    << c.points << " " << point;
            }
        }
        EXPECT_FALSE(hasFiberSectionAt(c.elementType, static_cast<int>(c.positions.size()) + 1, analysis));
    }
    AnalysisSettings analysis;
    EXPECT_FALSE(hasFiberSectionAt(ElasticBeamColumn, 1, analysis));
    EXPECT_FALSE(hasFiberSectionAt(Truss, 1, analysis));
}

} // namespace
} // namespace kelvane
