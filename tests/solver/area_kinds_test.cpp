// Every area type, in the table format and in SAP2000 7.40 keyword files, through the real
// solver: plates against Navier's series, a membrane against sigma = P / A, and a plane frame
// written with three degrees of freedom against the cantilever's formulas.
#include "solver/solver_fixture.h"

#include <cmath>

namespace kelvane::test {
namespace {

class AreaKindsTest : public SolverTest {};

// 2 x 2 m steel plates (E = 200000 N/mm2, nu = 0.3) of 20 mm bending thickness on a 10 x 10 mesh,
// simply supported, under 10 kN/m2: w = 0.00406 q a^4 / D = 4.43 mm at the centre, joint 61.
// The shell of tables/shell-thick-bending.s2k is 10 mm thick in membrane and 20 mm in bending.
TEST_F(AreaKindsTest, SquarePlatesUnderPressureDeflectAsNavierSeries) {
    const double rigidity = 2e5 * std::pow(20.0, 3) / (12 * (1 - 0.3 * 0.3));
    const double expected = -0.00406 * 0.01 * std::pow(2000.0, 4) / rigidity;
    for (const char* model : {"keyword/plate-thin-uz-rx-ry.s2k", "keyword/plate-shell-thick.s2k",
                              "tables/plate-thin.s2k", "tables/shell-thick-bending.s2k"}) {
        SCOPED_TRACE(model);
        const ModelStore store = runLoadCase(dataPath(model), 1);
        ASSERT_EQ(store.nodeCount, 121);
        EXPECT_NEAR(store.nodes[61].uz, expected, 0.03 * std::abs(expected));
        EXPECT_NEAR(store.nodes[50].uz, store.nodes[72].uz, 1e-6 * std::abs(expected)); // symmetry
    }
}

// A 2000 x 1000 mm membrane of 10 mm pulled by 200 kN along X: sigma = 20 N/mm2, the right edge
// moves 2000 sigma / E = 0.2 mm and the panel narrows by nu 1000 sigma / E = 0.03 mm.
TEST_F(AreaKindsTest, MembranePanelStretchesAsSigmaOverE) {
    const ModelStore store = runLoadCase(dataPath("keyword/membrane-panel.s2k"), 1);
    for (int joint = 13; joint <= 15; ++joint)
        EXPECT_NEAR(store.nodes[joint].ux, 0.2, 1e-4) << "joint " << joint;
    EXPECT_NEAR(store.nodes[15].uz, -0.03, 1e-5);
    EXPECT_NEAR(store.nodes[14].uy, 0.0, 1e-6);
}

// A 3 m cantilever (E = 200000 N/mm2, I = 2e8 mm4) whose support holds U1, U3 and R2 only:
// SYSTEM DOF=UX,UZ,RY restrains the rest. 10 kN at the tip: P L^3 / 3 E I = 2.25 mm; 4 kN/m along
// both frames: w L^4 / 8 E I = 1.0125 mm.
TEST_F(AreaKindsTest, PlaneFrameOfThreeDegreesOfFreedomSolves) {
    const std::pair<int, double> cases[] = {{1, -2.25}, {2, -1.0125}};
    for (const auto& [loadCase, tip] : cases) {
        SCOPED_TRACE(loadCase);
        const ModelStore store = runLoadCase(dataPath("keyword/plane-cantilever-ux-uz-ry.s2k"), loadCase);
        EXPECT_NEAR(store.nodes[3].uz, tip, 1e-3 * std::abs(tip));
        EXPECT_EQ(store.nodes[3].uy, 0.0);
    }
}

} // namespace
} // namespace kelvane::test
