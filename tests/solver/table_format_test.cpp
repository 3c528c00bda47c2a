// Table-format models through the real solver: hand transcriptions of version-6 models give the
// same answers, and the answers are the hand values of structural mechanics.
#include "solver/solver_fixture.h"

#include "results/node_results.h"

#include <array>
#include <cmath>
#include <numbers>

namespace kelvane::test {
namespace {

class TableFormatTest : public SolverTest {
  protected:
    // Joint displacements (ux, uy, uz) after a one-step load-controlled run of a load case.
    std::vector<std::array<double, 3>> displacements(const std::string& model, int loadCase, int steps = 1) {
        EXPECT_FALSE(writeAndRun(model, {"loadControlCase=" + std::to_string(loadCase),
                                         "loadSteps=" + std::to_string(steps)})
                         .empty());
        ModelStore store = importedModel(model);
        loadNodeDeformation(store, folder(), steps);
        std::vector<std::array<double, 3>> joints(1);
        for (int n = 1; n <= store.nodeCount; ++n)
            joints.push_back({store.nodes[n].ux, store.nodes[n].uy, store.nodes[n].uz});
        return joints;
    }
};

// tests/data/tables/portal-transcribed.s2k and cantilever-transcribed.s2k are
// tests/data/solver/portal.s2k and cantilever.s2k written by hand in the table format, in kN and
// m. The portal's diaphragm has no master joint in the table format: the import creates it as
// joint 5, where the version-6 file has its own, and the lateral load acts on joint 2 instead of
// the master (the same line of action on a rigid diaphragm).
TEST_F(TableFormatTest, HandTranscribedVersion6ModelsGiveTheSameResults) {
    const auto v6Portal = displacements(dataPath("solver/portal.s2k"), 1, 10);
    const auto tablePortal = displacements(dataPath("tables/portal-transcribed.s2k"), 1, 10);
    ASSERT_EQ(v6Portal.size(), 6u);
    ASSERT_EQ(tablePortal.size(), 6u);
    for (int joint = 1; joint <= 5; ++joint)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(tablePortal[joint][c], v6Portal[joint][c], 1e-6 * std::abs(v6Portal[5][0]))
                << "joint " << joint << " component " << c;
    // Slope-deflection of the fixed-base portal (columns 400 x 400, h 3000; beam 300 x 600, L 5000):
    // k = 24 E Ic / h^3 (1 + 6 rho) / (4 + 6 rho), rho = (Ib / L) / (Ic / h).
    const double ic = std::pow(400.0, 4) / 12, ib = 300 * std::pow(600.0, 3) / 12;
    const double rho = (ib / 5000) / (ic / 3000);
    const double sway = 100e3 / (24 * 2e5 * ic / std::pow(3000.0, 3) * (1 + 6 * rho) / (4 + 6 * rho));
    EXPECT_NEAR(tablePortal[5][0], sway, 0.01 * sway); // column shortening adds 0.4 %

    for (int loadCase = 1; loadCase <= 3; ++loadCase) {
        SCOPED_TRACE(loadCase);
        const auto v6 = displacements(dataPath("solver/cantilever.s2k"), loadCase);
        const auto table = displacements(dataPath("tables/cantilever-transcribed.s2k"), loadCase);
        const double scale = std::hypot(v6[2][1], v6[2][2]);
        EXPECT_GT(scale, 0.1);
        EXPECT_NEAR(table[2][1], v6[2][1], 1e-6 * scale);
        EXPECT_NEAR(table[2][2], v6[2][2], 1e-6 * scale);
    }
}

// tests/data/tables/cantilever-rotated-kip-in.s2k, in kip and inch: a W12X106 cantilever of 144 in
// along X (E = 29000 ksi, I33 = 933 in4, I22 = 301 in4) whose local axes are turned 30 degrees,
// fixed at joint 1. LC1: 0.01 kip/in gravity along the span; LC2: 1 kip down at the tip; LC3: a
// moment of 240 kip in about global Y at the tip. Each load splits into the principal directions
// 2 = (0, -sin 30, cos 30) and 3 = (0, -cos 30, -sin 30), each deflects by its own formula about
// its own axis, and the tip moves by the sum (SAP2000's verification example 1-004 publishes
// UY, UZ = -0.01806, -0.03029; -0.03345, -0.0561; -0.08361, -0.14024 in).
TEST_F(TableFormatTest, RotatedCantileverInKipAndInchDeflectsAboutItsPrincipalAxes) {
    constexpr double E = 29000, L = 144, I33 = 933, I22 = 301, inch = 25.4;
    const double s = std::sin(30 * std::numbers::pi / 180), c = std::cos(30 * std::numbers::pi / 180);
    const std::array<double, 3> axis2 = {0, -s, c}, axis3 = {0, -c, -s};
    // Tip deflections along local 2 and 3 for each case, in inches.
    const double w = 0.01, P = 1, M = 240;
    const std::array<std::pair<double, double>, 3> local = {{
        {-w * c * std::pow(L, 4) / (8 * E * I33), w * s * std::pow(L, 4) / (8 * E * I22)},
        {-P * c * std::pow(L, 3) / (3 * E * I33), P * s * std::pow(L, 3) / (3 * E * I22)},
        {-M * c * L * L / (2 * E * I33), M * s * L * L / (2 * E * I22)},
    }};
    const std::array<std::pair<double, double>, 3> published = {
        {{-0.01806, -0.03029}, {-0.03345, -0.0561}, {-0.08361, -0.14024}}};
    for (int loadCase = 1; loadCase <= 3; ++loadCase) {
        SCOPED_TRACE(loadCase);
        const auto [d2, d3] = local[loadCase - 1];
        const double uy = (d2 * axis2[1] + d3 * axis3[1]) * inch;
        const double uz = (d2 * axis2[2] + d3 * axis3[2]) * inch;
        EXPECT_NEAR(uy / inch, published[loadCase - 1].first, 5e-5);
        EXPECT_NEAR(uz / inch, published[loadCase - 1].second, 5e-5);
        const auto tip = displacements(dataPath("tables/cantilever-rotated-kip-in.s2k"), loadCase)[2];
        // The script carries coordinates and stiffnesses to four digits: 2e-3 bounds both.
        EXPECT_NEAR(tip[1], uy, 2e-3 * std::abs(uy));
        EXPECT_NEAR(tip[2], uz, 2e-3 * std::abs(uz));
        EXPECT_NEAR(tip[0], 0.0, 1e-6);
    }
}

// tests/data/tables/plane-frame-diaphragms.s2k: a plane frame in X-Z of two 5 m bays and three
// 3 m storeys (kN, m), only UX, UZ and RY active, a diaphragm per floor (the import adds a
// retained joint to each), columns of I = 0.4^4/12 m4 (E = 2e8 kN/m2) and beams and axial areas
// so stiff that each storey is a shear spring of 3 x 12 E I / h^3; 100, 200 and 300 kN at the
// floors, 10 t on each floor joint. The inactive UY and RZ of the tied joints belong to the
// retained joints, which carry their restraint.
TEST_F(TableFormatTest, PlaneFrameWithADiaphragmPerFloorSwaysAndVibratesAsAShearBuilding) {
    const std::string model = dataPath("tables/plane-frame-diaphragms.s2k");
    const double k = 3 * 12 * 2e5 * std::pow(400.0, 4) / 12 / std::pow(3000.0, 3); // N/mm
    const std::array<double, 3> shear = {600e3, 500e3, 300e3};
    const auto joints = displacements(model, 1);
    ASSERT_EQ(joints.size(), 16u) << "twelve joints and three retained joints";
    double expected = 0;
    for (int floor = 1; floor <= 3; ++floor) {
        SCOPED_TRACE(floor);
        expected += shear[static_cast<std::size_t>(floor - 1)] / k;
        const double master = joints[12 + floor][0];
        // Beams and the columns' axial stiffness are finite: 0.2 % covers them.
        EXPECT_NEAR(master, expected, 2e-3 * expected);
        for (int joint = 3 * floor + 1; joint <= 3 * floor + 3; ++joint) {
            EXPECT_NEAR(joints[joint][0], master, 1e-6 * master) << "the floor moves as one";
            EXPECT_NEAR(joints[joint][1], 0.0, 1e-9);
        }
    }

    // Eigenvalues of three equal storeys of stiffness k and floor mass m: 4 k/m sin^2((2i-1) pi/14).
    ASSERT_FALSE(writeAndRun(model, {"analysisType=4"}).empty());
    const auto periods = nonEmptyLines(file("Periods.txt"));
    ASSERT_EQ(periods.size(), 1u);
    const std::vector<double> eigenvalues = numbersOf(periods[0]);
    ASSERT_EQ(eigenvalues.size(), 3u) << "UX of each floor is the only free mass";
    const double m = 30; // t
    for (int i = 1; i <= 3; ++i) {
        const double lambda = 4 * k / m * std::pow(std::sin((2 * i - 1) * std::numbers::pi / 14), 2);
        EXPECT_NEAR(eigenvalues[static_cast<std::size_t>(i - 1)], lambda, 2e-3 * lambda) << "mode " << i;
    }
}

// tests/data/tables/equal-tied-cantilevers.s2k: two equal cantilevers of 2 m side by side (E 200 GPa,
// I 6.667E-5 m4), their tips tied in UZ by an Equal constraint that the assignments name without a
// Type (as SAP2000 23 writes them); 1 kN down at one tip. The tie shares the load: each tip sinks by
// half of P L^3 / 3 E I, and neither moves sideways. The section's notes run over two lines.
TEST_F(TableFormatTest, AnEqualConstraintTiesTheTipsInItsDegreesOfFreedomOnly) {
    const auto tips = displacements(dataPath("tables/equal-tied-cantilevers.s2k"), 1);
    ASSERT_EQ(tips.size(), 5u);
    const double half = -0.5 * 1 * 8 / (3 * 2e8 * 6.66666666666667e-5) * 1000; // mm
    EXPECT_NEAR(tips[2][2], half, 1e-4 * std::abs(half));
    EXPECT_NEAR(tips[4][2], half, 1e-4 * std::abs(half));
    EXPECT_NEAR(tips[2][1], 0, 1e-9);
}

} // namespace
} // namespace kelvane::test
