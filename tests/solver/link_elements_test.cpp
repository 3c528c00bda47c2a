#include "solver/solver_fixture.h"

#include "common/text_file.h"
#include "script/python_command.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane::test {
namespace {

class LinkElementsTest : public SolverTest {};

// tests/data/solver/links-isolated-deck.s2k: a deck of four joints tied by a diaphragm (10, 10, 11
// and 11 N s^2/mm) on four rubber isolators of 1000 N/mm effective shear stiffness and mass 2: two
// one-joint links (joints 1, 2) and two from fixed joints 5 and 6 to joints 3 and 4. SAP2000 lumps a
// one-joint link's mass at its joint and half a two-joint link's at each end: M = 48, K = 4000.
TEST_F(LinkElementsTest, IsolatedDeckSwaysWithThePeriodOfItsMassOnTheIsolators) {
    ASSERT_FALSE(
        writeAndRun(dataPath("solver/links-isolated-deck.s2k"), {"analysisType=4", "modalNumber=1"}).empty());
    const auto lines = nonEmptyLines(file("Periods.txt"));
    const std::vector<double> eigenvalues = lines.empty() ? std::vector<double>{} : numbersOf(lines[0]);
    ASSERT_GE(eigenvalues.size(), 2u);
    const double period = 2 * std::numbers::pi * std::sqrt(48.0 / 4000.0);
    for (std::size_t mode = 0; mode < 2; ++mode) // along X and along Y
        EXPECT_NEAR(2 * std::numbers::pi / std::sqrt(eigenvalues[mode]), period, 0.02 * period) << mode + 1;
}

// tests/data/solver/links-linear-two-joint.s2k: linear links from fixed joints 1, 3, 5 to joints 2, 4
// (1000 along X) and 6 (the same place), U1 2000, U2 300, U3 400 N/mm, R2 5e8, R3 6e8 N mm/rad, R1
// fixed; 1000 N along X, Y, Z at joints 2, 4, 6 in load cases 1, 2, 3. A link along X has axis 2 up,
// 3 along -Y; one of zero length 1 up, 2 along X. Link 3-4 is a rubber isolator, elastic at 300 N/mm in
// shear, with its shear at I (DJ = 1000), adding the rotation of its bending spring under F L: F L^2 / kR.
TEST_F(LinkElementsTest, LinearLinksDeflectAsTheirSpringsAlongTheLocalAxes) {
    const double expected[3][3] = {{0.5, 0.5, 1000.0 / 300},
                                   {2.5, 1000.0 / 300 + 1000.0 * 1e6 / 5e8, 2.5},
                                   {1000.0 / 300, 1000.0 / 300 + 1000.0 * 1e6 / 6e8, 0.5}};
    for (int loadCase = 1; loadCase <= 3; ++loadCase) {
        const ModelStore store = runLoadCase(dataPath("solver/links-linear-two-joint.s2k"), loadCase);
        for (int k = 0; k < 3; ++k) {
            const TNODE& joint = store.nodes[static_cast<std::size_t>(2 + 2 * k)];
            const double along[] = {joint.ux, joint.uy, joint.uz}, value = expected[loadCase - 1][k];
            for (int axis = 0; axis < 3; ++axis)
                EXPECT_NEAR(along[axis], axis == loadCase - 1 ? value : 0.0, 1e-5 * value)
                    << "load case " << loadCase << ", joint " << 2 + 2 * k << ", axis " << axis + 1;
        }
    }
}

// tests/data/solver/links-one-joint-kinds.s2k: a one-joint link of each kind at joints 1..9 (elements
// 5..13), the direction under test nonlinear, the others stiff; springs of 1 N/mm at joints 2, 3, 5, 8
// hold them while a gap or hook is open, a damper has no static stiffness and the slider is not yet
// loaded. The script's static analysis loads joint 8 with 1e5 N; then the test's own driver (a testing
// machine's actuator, printed in Python by the script writer) moves each joint as A sin(2 pi t) along
// one global axis (a one-joint link's axis 1 is Z, 2 is X, 3 is Y): two cycles of 1 s in 400 steps.
//
// Bilinear loops, 4 Qd (d - dy): the rubber isolator (k 2000, yield 1000, ratio 0.1) Qd = 900, dy =
// 0.5 at d = 20; the friction isolator (mu 0.1 under 1e5 N, k 1e4) Qd = 1e4, dy = 1; the kinematic
// multilinear plastic link through (1, 500) and (10, 1000) at d = 8, Qd = 500 - 500 / 9, dy = 1. The
// damper: pi c omega u^2 with c 10, 1 Hz, 10 mm (its spring of 1e5 N/mm leaves the dashpot a millionth
// of the motion). Peaks: r k d + (1 - r) yield. At every step: linear 500 N/mm; gap and hook of 2 mm
// (in compression, in tension), 2000 N/mm once closed; the multilinear elastic curve through (1, 500),
// (10, 1000) and their mirror.
struct Case {
    int joint, dof;
    double amplitude, area, peak; // 0: not checked
    double (*curve)(double);
};
const Case kCases[] = {
    {1, 1, 10, 0, 0, [](double u) { return 500 * u; }},
    {2, 3, -6, 0, 0, [](double u) { return 2000 * std::min(0.0, u + 2); }},
    {3, 3, 6, 0, 0, [](double u) { return 2000 * std::max(0.0, u - 2); }},
    {4, 1, 8, 0, 0,
     [](double u) {
         return std::copysign(std::min(500 * std::abs(u), 500 + (std::abs(u) - 1) * 500 / 9), u);
     }},
    {5, 1, 10, std::numbers::pi * 10 * 2 * std::numbers::pi * 100, 0, nullptr},
    {6, 1, 20, 4 * 900.0 * 19.5, 4900, nullptr},
    {7, 1, 20, 0, 0.1 * 2000 * 20 + 0.9 * 1000, nullptr},
    {8, 1, 20, 4 * 1e4 * 19, 0, nullptr},
    {9, 1, 8, 4 * (500 - 500.0 / 9) * 7, 500 + 7 * 500.0 / 9, nullptr},
};

TEST_F(LinkElementsTest, NonlinearLinksFollowTheirHandValuesUnderADrivenCycle) {
    std::string driver =
        "loadConst -time 0.0\nwipeAnalysis\ntimeSeries Trig 901 0.0 2.0 1.0\npattern Plain 901 901 {\n";
    for (const Case& c : kCases)
        driver += "sp " + std::to_string(c.joint) + " " + std::to_string(c.dof) + " " +
                  std::to_string(c.amplitude) + "\n";
    driver +=
        "}\nrecorder Node -file drive_disp.out -time -nodeRange 1 9 -dof 1 2 3 disp\nrecorder Element -file "
        "drive_force.out -time -eleRange 5 13 force\nconstraints Penalty 1.0e14 1.0e14\nnumberer RCM\nsystem "
        "UmfPack\ntest NormDispIncr 1.0e-9 50\nalgorithm Newton\nintegrator Newmark 0.5 0.25\nanalysis "
        "Transient\nanalyze 400 0.005\nwipe";
    const TempDir python;
    const std::string model = dataPath("solver/links-one-joint-kinds.s2k"),
                      cli = shellQuoted(binPath("kelvane-cli"));
    for (const std::string& script : {file("model.tcl"), python.file("model.py")}) {
        const bool tcl = script.ends_with(".tcl");
        ASSERT_EQ(
            runCommand(cli + (tcl ? " tcl " : " py ") + shellQuoted(model) + " -o " + shellQuoted(script))
                .exitCode,
            0);
        std::vector<std::string> lines = {readFile(script)};
        for (const std::string& command : splitLines(driver))
            tcl ? lines.push_back(command) : appendPythonCommand(lines, command, {}, false);
        for (std::size_t i = 1; i < lines.size(); ++i)
            lines[0] += lines[i] + "\n";
        writeFile(script, lines[0]);
        const CommandResult run = runCommand(cli + " run " + shellQuoted(script));
        ASSERT_EQ(run.exitCode, 0) << run.err;

        // Per step, the joint's displacement (three per joint) and the force on it from its link (twelve
        // per link, node J's from the seventh), after the time; area and peak over the second cycle.
        const auto disp = nonEmptyLines(folderOf(script) + "/drive_disp.out"),
                   force = nonEmptyLines(folderOf(script) + "/drive_force.out");
        ASSERT_TRUE(disp.size() == 400u && force.size() == 400u) << script;
        for (const Case& c : kCases) {
            SCOPED_TRACE(script + ", joint " + std::to_string(c.joint));
            const auto at = static_cast<std::size_t>(3 * (c.joint - 1) + c.dof),
                       forceAt = 4 * at + 6 - 3 * static_cast<std::size_t>(c.dof);
            double area = 0, peak = 0, u0 = 0, f0 = 0;
            for (std::size_t i = 0; i < disp.size(); ++i) {
                const std::vector<double> u = numbersOf(disp[i]), f = numbersOf(force[i]);
                ASSERT_TRUE(at < u.size() && forceAt < f.size()) << "step " << i + 1;
                area += i >= 200 ? 0.5 * (f[forceAt] + f0) * (u[at] - u0) : 0;
                peak = i >= 200 ? std::max(peak, f[forceAt]) : 0;
                u0 = u[at];
                f0 = f[forceAt];
                if (c.curve != nullptr) {
                    EXPECT_NEAR(f[forceAt], c.curve(u[at]), 0.05) << "step " << i + 1;
                }
            }
            EXPECT_TRUE(c.area == 0 || std::abs(area - c.area) < 0.01 * c.area) << area << " for " << c.area;
            EXPECT_TRUE(c.peak == 0 || std::abs(peak - c.peak) < 0.01 * c.peak) << peak << " for " << c.peak;
        }
    }
}

} // namespace
} // namespace kelvane::test
