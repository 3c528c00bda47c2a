#include "solver/rc_column_pushover.h"
#include "solver/solver_fixture.h"
#include "solver/stress_block.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

// Nonlinear materials through the real solver, against hand values of the sections' capacities.
namespace kelvane::test {
namespace {

// The node recorder's line of each step: time (the load factor of a static stage), then X, Y, Z of
// every joint.
std::vector<std::vector<double>> recordedSteps(const std::string& path) {
    std::vector<std::vector<double>> steps;
    for (const std::string& line : nonEmptyLines(path))
        steps.push_back(numbersOf(line));
    return steps;
}

// tests/data/solver/cantilever.s2k: 2000 mm along X, rectangle 200 deep by 100 wide, TIP = 1 kN
// down at joint 2. Steel01 with Fy = 250 and (almost) no hardening on a 2 x 40 fiber grid; the tip
// is pushed down 100 mm. The base moment is the tip force times the length: load factor x 1 kN x L.
class SteelCantileverTest : public SolverTest, public ::testing::WithParamInterface<int> {};

TEST_P(SteelCantileverTest, YieldsAtMyAndReachesThePlasticMoment) {
    const double fy = 250, b = 100, h = 200, length = 2000;
    const double yieldMoment = fy * b * h * h / 6, plasticMoment = fy * b * h * h / 4;
    ASSERT_FALSE(writeAndRun(dataPath("solver/cantilever.s2k"),
                             {"material.1.model=Steel01", "material.1.Fy=250", "material.1.b=0.001",
                              "section.1.elementType=" + std::to_string(GetParam()), "section.1.barNumNX=0",
                              "section.1.barNumNY=0", "section.1.divideFX=2", "section.1.divideFY=40",
                              "numIntgrPts=5", "analysisType=2", "dispControlCase=1", "controlNode=2",
                              "controlDof=3", "controlDisp=-0.5", "dispSteps=200"})
                     .empty());
    const auto steps = recordedSteps(file("node0.out"));
    ASSERT_EQ(steps.size(), 200u);
    const double initial = steps[0][0] * 1000 * length / -steps[0][6];
    double peak = 0, firstYield = 0;
    for (const auto& step : steps) {
        const double moment = step[0] * 1000 * length, tip = -step[6];
        peak = std::max(peak, moment);
        if (firstYield == 0 && moment / tip < 0.999 * initial)
            firstYield = moment;
    }
    // The outer fibers' centres lie 2.5 mm inside the faces, so the grid yields 2.5 % above My;
    // half-millimetre steps resolve the start of yield to a few per cent more.
    EXPECT_GT(firstYield, yieldMoment);
    EXPECT_LT(firstYield, 1.1 * yieldMoment);
    EXPECT_NEAR(peak / plasticMoment, 1.0, 0.02);
}

INSTANTIATE_TEST_SUITE_P(FiberElements, SteelCantileverTest, ::testing::Values(2, 4), [](const auto& param) {
    return param.param == 2 ? "nonlinearBeamColumn" : "beamWithHingesInItsHinges";
});

// Moment capacity of the column of rc-column.s2k under N = 960 kN by the rectangular stress block:
// 278 kN m.
double rcColumnCapacity() {
    const double bar = 314;
    return stressBlockMoment(
        {30, 400, 400, 420, 200000, 960e3, {{50, 3 * bar}, {200, 2 * bar}, {350, 3 * bar}}});
}

// The column of rcColumnPushover: the axial load is held while the top is pushed to 100 mm.
class ReinforcedConcreteColumnTest : public SolverTest {};

TEST_F(ReinforcedConcreteColumnTest, PeaksAtItsSectionCapacityThenSoftens) {
    const double length = 3000;
    ASSERT_FALSE(writeAndRun(dataPath("solver/rc-column.s2k"), rcColumnPushover()).empty());
    const auto steps = recordedSteps(file("node0.out"));
    ASSERT_EQ(steps.size(), 210u);
    std::vector<double> moments;
    for (std::size_t s = 10; s < steps.size(); ++s)
        moments.push_back(steps[s][0] * 1000 * length);
    const auto peak = std::max_element(moments.begin(), moments.end());
    EXPECT_NEAR(*peak / rcColumnCapacity(), 1.0, 0.10);
    const double lowestAfterPeak = *std::min_element(peak, moments.end());
    EXPECT_LT(lowestAfterPeak, 0.95 * *peak) << "the cover crushes and the column softens";
}

// tests/data/solver/steel-column.s2k under the bundled record (uniform excitation along X): the
// base shear (the column's end force along its local z, which is X) against the top's
// displacement. The elastic column gives the energy back; the Steel02 one dissipates it in its
// loops and keeps a residual displacement.
class SteelHysteresisTest : public SolverTest {
  protected:
    struct Response {
        double dissipated = 0; // the integral of the base shear over the top's displacement
        double residual = 0;   // mean displacement over the last second, when the shaking has died out
        double peak = 0;
    };

    Response shake(const std::vector<std::string>& material) {
        std::filesystem::copy_file(dataPath("solver/GMX.txt"), file("GMX.txt"),
                                   std::filesystem::copy_options::overwrite_existing);
        std::vector<std::string> settings = {
            "section.1.elementType=2", "section.1.barNumNX=0", "section.1.barNumNY=0", "section.1.divideFX=2",
            "section.1.divideFY=20",   "numIntgrPts=5",        "analysisType=5",       "elementForce=1"};
        settings.insert(settings.end(), material.begin(), material.end());
        EXPECT_FALSE(writeAndRun(dataPath("solver/steel-column.s2k"), settings).empty());
        const auto nodes = recordedSteps(file("node0.out"));
        const auto forces = recordedSteps(file("ele0.out"));
        EXPECT_EQ(nodes.size(), 1000u);
        EXPECT_EQ(forces.size(), nodes.size());
        Response r;
        for (std::size_t s = 0; s < std::min(nodes.size(), forces.size()); ++s) {
            r.peak = std::max(r.peak, std::abs(nodes[s][4]));
            if (s > 0)
                r.dissipated += 0.5 * (-forces[s][3] - forces[s - 1][3]) * (nodes[s][4] - nodes[s - 1][4]);
            if (s + 50 >= nodes.size())
                r.residual += nodes[s][4] / 50;
        }
        return r;
    }
};

TEST_F(SteelHysteresisTest, Steel02LoopsDissipateEnergyAndLeaveAResidualDisplacement) {
    // Yield: My / L = fy b h^2 / 6 / L = 1875 N at a top displacement of 2 fy L^2 / (3 E h) = 2 mm.
    const double yieldEnergy = 0.5 * 1875.0 * 2.0;
    const Response elastic = shake({});
    EXPECT_GT(elastic.peak, 2.0 * 2.0) << "the elastic column goes well past the yield displacement";
    EXPECT_LT(std::abs(elastic.dissipated), 0.01 * yieldEnergy);
    EXPECT_LT(std::abs(elastic.residual), 1e-4 * elastic.peak);

    const Response steel = shake({"material.1.model=Steel02"});
    EXPECT_GT(steel.dissipated, 2.0 * yieldEnergy);
    EXPECT_GT(std::abs(steel.residual), 0.01 * steel.peak);
    EXPECT_LT(steel.peak, elastic.peak);
}

} // namespace
} // namespace kelvane::test
