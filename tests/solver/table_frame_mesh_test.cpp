// Table-format frames solved as SAP2000 solves them, through the real solver: nonprismatic
// sections, auto mesh at a joint on the span, sections whose names say nothing about the element,
// auto-select lists and frames without a section.
#include "solver/solver_fixture.h"

#include "model/colour_table.h"
#include "model/model_import.h"
#include "results/frame_forces.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace kelvane::test {
namespace {

constexpr double E = 2e5; // N/mm2 in every file here

bool reportHas(const std::string& model, const std::string& line) {
    const ImportedModel imported = importModelFile(model, initPalette());
    const std::vector<std::string> lines = tables::reportLines(imported.report);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class TableFrameMeshTest : public SolverTest {};

// tests/data/tables/nonprismatic-cantilevers.s2k: two 4 m cantilevers fixed at joint I, 10 kN
// down at the tip, I33 = I0 = 1e-4 m4 at the root. LIN grows linearly to 2 I0, PAR parabolically
// (sqrt(I) linear) to 4 I0. The tip deflects by P/E times the integral of (L - s)^2 / I(s):
//   linear, I = I0 (1 + t):        P L^3 / E I0 (4 ln 2 - 5/2)
//   parabolic, I = I0 (1 + t)^2:   P L^3 / E I0 (3 - 4 ln 2)
// Sixteen elements per segment stay within 0.15 % of these.
TEST_F(TableFrameMeshTest, NonprismaticCantileverTipsDeflectAsTheIntegralOfMmOverEI) {
    const std::string model = dataPath("tables/nonprismatic-cantilevers.s2k");
    const double unit = 1e4 * std::pow(4000.0, 3) / (E * 1e8);
    const struct {
        int tip;
        double factor;
    } cases[] = {{2, 4 * std::numbers::ln2 - 2.5}, {4, 3 - 4 * std::numbers::ln2}};
    const ModelStore store = runLoadCase(model, 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tip);
        EXPECT_NEAR(-store.nodes[static_cast<std::size_t>(c.tip)].uz, c.factor * unit,
                    2e-3 * c.factor * unit);
    }
    EXPECT_EQ(store.frameCount, 32);
    EXPECT_TRUE(reportHas(model,
                          "Frames split (auto mesh, nonprismatic sections): 2 into 32 elements, with 30 "
                          "joints created"));
}

// tests/data/tables/auto-mesh-beam.s2k: one 6 m frame on pinned supports whose auto mesh connects
// it to joint 2 at midspan (E = 2e8 kN/m2, I33 = 2e-4 m4). Each pattern deflects joint 2:
//   JOINT     10 kN down at joint 2              P L^3 / 48 E I
//   POINT     10 kN down at RelDist 0.5          P L^3 / 48 E I
//   TRIANGLE  0 to 4 kN/m down over the span     5 w L^4 / 768 E I (half the uniform load's)
//   LEFTHALF  4 kN/m down over the left half     5 w L^4 / 768 E I (half, by symmetry)
// tests/data/tables/released-meshed-beam.s2k: the same frame fixed at both joints, its bending
// released at end J, meshed at joint 2 under 10 kN: the release stays at joint 3, a propped
// cantilever deflecting 7 P L^3 / 768 E I, with 11 P / 16 at the fixed end and 5 P / 16 at the other.
// Both pieces report the sagging moment at joint 2 (P L / 4, w L^2 / 16, the right reaction times
// L / 2), except under TRIANGLE: a varying load goes to the joints as fixed-end loads, which the
// element's recorded forces leave out.
TEST_F(TableFrameMeshTest, LoadsOnAFrameMeshedAtAJointReachTheJointAndTheSupports) {
    constexpr double I = 2e8, L = 6000, P = 1e4, w = 4;
    const double point = P * std::pow(L, 3) / (48 * E * I), half = 5 * w * std::pow(L, 4) / (768 * E * I);
    const double propped = 7 * P * std::pow(L, 3) / (768 * E * I);
    const struct {
        const char* model;
        int loadCase;
        double deflection, left, right, moment; // moment 0: not checked
    } cases[] = {{"auto-mesh-beam", 1, point, 5000, 5000, P * L / 4},
                 {"auto-mesh-beam", 2, point, 5000, 5000, P * L / 4},
                 {"auto-mesh-beam", 3, half, 4000, 8000, 0},
                 {"auto-mesh-beam", 4, half, 9000, 3000, 3000 * L / 2},
                 {"released-meshed-beam", 1, propped, 6875, 3125, 3125 * L / 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " " + std::to_string(c.loadCase));
        ModelStore store =
            runLoadCase(dataPath(std::string("tables/") + c.model + ".s2k"), c.loadCase, {"elementForce=1"});
        ASSERT_EQ(store.frameCount, 2);
        loadFrameForces(store, folder(), 1);
        if (c.moment != 0) {
            EXPECT_NEAR(endForce(store.frames[1], EndJ, ForceM3), c.moment, 1e-4 * c.moment);
            EXPECT_NEAR(endForce(store.frames[2], EndI, ForceM3), c.moment, 1e-4 * c.moment);
        }
        EXPECT_EQ(store.frames[1].nodeJ, 2);
        EXPECT_NEAR(-store.nodes[2].uz, c.deflection, 5e-5 * c.deflection);
        const std::vector<double> reactions = verticalReactions();
        ASSERT_EQ(reactions.size(), 2u);
        EXPECT_NEAR(reactions[0], c.left, 1e-3 * c.left);
        EXPECT_NEAR(reactions[1], c.right, 1e-3 * c.right);
    }
}

// tests/data/tables/auto-mesh-crossings.s2k (E = 2e8 kN/m2, I33 = 2e-4 m4 everywhere): A and B,
// 6 m on pinned supports, cross at their midspans and are meshed at frames: the joint created
// there (13, after the file's twelve) joins them, and 10 kN at A's midspan deflects it by half of
// P L^3 / 48 E I, each support taking P / 4. Cantilevers of 3 m under 10 kN at the tip deflect by
// P L^3 / 3 E I: C in elements of at most 1 m, D in 4 segments, and E, not meshed, whatever the
// column F whose top, joint 12, lies on E's span and is only reported.
TEST_F(TableFrameMeshTest, FramesMeshedAtCrossingsAndIntoSegmentsSolveAsOneMember) {
    const std::string model = dataPath("tables/auto-mesh-crossings.s2k");
    constexpr double I = 2e8, P = 1e4;
    const double crossing = P * std::pow(6000.0, 3) / (2 * 48 * E * I);
    const double tip = P * std::pow(3000.0, 3) / (3 * E * I);
    const struct {
        int loadCase;
        std::vector<std::pair<int, double>> deflections;
        double support; // each of A's and B's supports
    } cases[] = {{1, {{13, crossing}}, P / 4}, {2, {{6, tip}, {8, tip}, {10, tip}}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.loadCase);
        const ModelStore store = runLoadCase(model, c.loadCase);
        ASSERT_EQ(store.frameCount, 13);
        for (const auto& [joint, expected] : c.deflections)
            EXPECT_NEAR(-store.nodes[static_cast<std::size_t>(joint)].uz, expected, 5e-5 * expected) << joint;
        const std::vector<double> reactions = verticalReactions();
        ASSERT_EQ(reactions.size(), 8u);
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_NEAR(reactions[k], c.support, 1e-3 * P) << k;
    }
    EXPECT_TRUE(reportHas(model,
                          "Frames split (auto mesh, nonprismatic sections): 4 into 11 elements, with 6 "
                          "joints created"));
    EXPECT_TRUE(reportHas(model, "Joints on a frame's span, not connected to it (no auto mesh at joints): 1 "
                                 "(joint 12 on frame E)"));
}

// tests/data/tables/section-names-and-lists.s2k: five 3 m cantilevers, 10 kN down at each tip.
// COL1, RIGID1, TUBE1 and HSS1 (I33 = 1e-4 m4) are elastic beams whatever their first letter; A
// takes the median of the auto-select list AUTO1 (SMALL, MID, BIG: I33 = 2e-4 m4). The brace X
// (AnalSect=None) from joint 1 to R's tip and the frame Y (no AnalSect) from A's tip to joint 11
// are left out: with X, R's tip would barely move; joint 11, connected to nothing, is held fixed
// (else the solver would stop on a singular system).
TEST_F(TableFrameMeshTest, SectionsSolveAsElasticBeamsWhateverTheirNames) {
    const std::string model = dataPath("tables/section-names-and-lists.s2k");
    constexpr double P = 1e4, L = 3000;
    const struct {
        int tip;
        double I;
    } cases[] = {{2, 1e8}, {4, 1e8}, {6, 1e8}, {8, 1e8}, {10, 2e8}};
    const ModelStore store = runLoadCase(model, 1);
    EXPECT_EQ(store.frameCount, 5);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tip);
        const double expected = P * std::pow(L, 3) / (3 * E * c.I);
        EXPECT_NEAR(-store.nodes[static_cast<std::size_t>(c.tip)].uz, expected, 5e-5 * expected);
    }
    EXPECT_TRUE(reportHas(model, "Frames without a section (left out of the analysis): 2 (X, Y)"));
    EXPECT_TRUE(reportHas(model, "  frame loads on frames without a section: 1"));
    EXPECT_TRUE(
        reportHas(model, "  joints connected to no element (held fixed: SAP2000 leaves them out): 1"));
}

} // namespace
} // namespace kelvane::test
