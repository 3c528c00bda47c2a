#include "solver/solver_fixture.h"

#include "common/text_file.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane::test {
namespace {

class LinkElementsTest : public SolverTest {};

// tests/data/solver/links-isolated-deck.s2k: a deck of four joints tied by a diaphragm, 10, 10, 11
// and 11 N s^2/mm each, on four rubber isolators of 1000 N/mm effective shear stiffness and mass 2
// (two one-joint links at joints 1 and 2, two two-joint links from fixed joints 5 and 6 to joints 3
// and 4). SAP2000 lumps a one-joint link's mass at its joint and half a two-joint link's at each
// end: 12 N s^2/mm at every deck joint, M = 48, K = 4000 along X and along Y.
TEST_F(LinkElementsTest, IsolatedDeckSwaysWithThePeriodOfItsMassOnTheIsolators) {
    ASSERT_FALSE(writeAndRun(dataPath("solver/links-isolated-deck.s2k"),
                             {"analysisType=4", "modalShape=1", "modalNumber=1"})
                     .empty());
    const auto lines = nonEmptyLines(file("Periods.txt"));
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<double> eigenvalues = numbersOf(lines[0]);
    ASSERT_GE(eigenvalues.size(), 2u);
    const double period = 2 * std::numbers::pi * std::sqrt(48.0 / 4000.0);
    for (std::size_t mode = 0; mode < 2; ++mode)
        EXPECT_NEAR(2 * std::numbers::pi / std::sqrt(eigenvalues[mode]), period, 0.02 * period)
            << "mode " << mode + 1;
}

// tests/data/solver/links-linear-two-joint.s2k: linear links A (joints 1 to 2 along X, 1000 long,
// shear deformation at J), B (joints 3 to 4, the same with DJ = 1000: shear at I) and C (joints 5
// and 6, which coincide), each with U1 2000, U2 300, U3 400 N/mm, R2 5e8 and R3 6e8 N mm/rad, R1
// fixed; a force of 1000 N along X, Y and Z at joints 2, 4 and 6 in load cases PX, PY, PZ. A link
// along X has axis 2 up and axis 3 along -Y, one of zero length axis 1 up and axis 2 along X. Link
// B adds the rotation of its bending spring under the moment F L at its shear location: F L^2 / kR.
TEST_F(LinkElementsTest, LinearLinksDeflectAsTheirSpringsAlongTheLocalAxes) {
    struct Case {
        int loadCase, joint;
        double expected; // the displacement along the load
    };
    const Case cases[] = {
        {1, 2, 1000.0 / 2000},
        {1, 4, 1000.0 / 2000},
        {1, 6, 1000.0 / 300},
        {2, 2, 1000.0 / 400},
        {2, 4, 1000.0 / 400 + 1000.0 * 1e6 / 5e8},
        {2, 6, 1000.0 / 400},
        {3, 2, 1000.0 / 300},
        {3, 4, 1000.0 / 300 + 1000.0 * 1e6 / 6e8},
        {3, 6, 1000.0 / 2000},
    };
    for (int loadCase = 1; loadCase <= 3; ++loadCase) {
        SCOPED_TRACE(loadCase);
        const ModelStore store = runLoadCase(dataPath("solver/links-linear-two-joint.s2k"), loadCase);
        for (const Case& c : cases) {
            if (c.loadCase != loadCase)
                continue;
            const TNODE& joint = store.nodes[static_cast<std::size_t>(c.joint)];
            const double along[] = {joint.ux, joint.uy, joint.uz};
            for (int axis = 0; axis < 3; ++axis)
                EXPECT_NEAR(along[axis], axis == loadCase - 1 ? c.expected : 0.0, 1e-5 * c.expected)
                    << "joint " << c.joint << ", axis " << axis + 1;
        }
    }
}

// tests/data/solver/links-one-joint-kinds.s2k: one one-joint link of each kind at joints 1..9, the
// direction under test nonlinear and the others stiff; joints 2, 3, 5 and 8 also have springs of
// 1 N/mm to the ground (elements 1..4, whose forces are not the links'), which hold them where a
// gap or hook is open, a damper has no static stiffness and the slider is not yet loaded. The script Kelvane
// writes is run with a driver appended that moves each joint along one global axis as A sin(2 pi t), two
// cycles of 1 s in 400 steps, after the script's own static analysis has loaded joint 8 with 1e5 N down onto
// its friction isolator (held while the joints are driven); the driver is the test's own, like a testing
// machine's actuator, and is written for both builds.
struct Drive {
    int joint, dof; // global: a one-joint link's axis 1 is Z, 2 is X, 3 is Y
    double amplitude;
};
constexpr int kFirstLinkElement = 5;
constexpr Drive kDrives[] = {{1, 1, 10}, {2, 3, -6}, {3, 3, 6},  {4, 1, 8}, {5, 1, 10},
                             {6, 1, 20}, {7, 1, 20}, {8, 1, 20}, {9, 1, 8}};

std::string tclDriver() {
    std::string text = "loadConst -time 0.0\nwipeAnalysis\ntimeSeries Trig 901 0.0 2.0 1.0\n"
                       "pattern Plain 901 901 {\n";
    for (const Drive& d : kDrives)
        text += "sp " + std::to_string(d.joint) + " " + std::to_string(d.dof) + " " +
                std::to_string(d.amplitude) + "\n";
    return text + "}\nrecorder Node -file drive_disp.out -time -nodeRange 1 9 -dof 1 2 3 disp\n" +
           "recorder Element -file drive_force.out -time -eleRange " + std::to_string(kFirstLinkElement) +
           " " + std::to_string(kFirstLinkElement + 8) + " force\n" +
           "constraints Penalty 1.0e14 1.0e14\nnumberer RCM\nsystem UmfPack\n"
           "test NormDispIncr 1.0e-9 50\nalgorithm Newton\nintegrator Newmark 0.5 0.25\n"
           "analysis Transient\nputs \"driven [analyze 400 0.005]\"\n";
}

std::string pythonDriver() {
    std::string text =
        "ops.loadConst('-time', 0.0)\nops.wipeAnalysis()\nops.timeSeries('Trig', 901, 0.0, 2.0, 1.0)\n"
        "ops.pattern('Plain', 901, 901)\n";
    for (const Drive& d : kDrives)
        text += "ops.sp(" + std::to_string(d.joint) + ", " + std::to_string(d.dof) + ", " +
                std::to_string(d.amplitude) + ")\n";
    return text +
           "ops.recorder('Node', '-file', 'drive_disp.out', '-time', '-nodeRange', 1, 9, '-dof', 1, 2, 3, "
           "'disp')\n" +
           "ops.recorder('Element', '-file', 'drive_force.out', '-time', '-eleRange', " +
           std::to_string(kFirstLinkElement) + ", " + std::to_string(kFirstLinkElement + 8) + ", 'force')\n" +
           "ops.constraints('Penalty', 1.0e14, 1.0e14)\nops.numberer('RCM')\nops.system('UmfPack')\n"
           "ops.test('NormDispIncr', 1.0e-9, 50)\nops.algorithm('Newton')\n"
           "ops.integrator('Newmark', 0.5, 0.25)\nops.analysis('Transient')\n"
           "print('driven', ops.analyze(400, 0.005))\nops.wipe()\n";
}

// One driven joint's displacement along its drive and the force its link carries there, per step.
struct Record {
    std::vector<double> displacement, force;
};

Record recordOf(const std::string& folder, const Drive& drive) {
    Record record;
    const auto disp = nonEmptyLines(folder + "/drive_disp.out");
    const auto force = nonEmptyLines(folder + "/drive_force.out");
    EXPECT_EQ(disp.size(), 400u);
    EXPECT_EQ(force.size(), disp.size());
    for (std::size_t i = 0; i < std::min(disp.size(), force.size()); ++i) {
        const std::vector<double> u = numbersOf(disp[i]), f = numbersOf(force[i]);
        // Time, then three values per joint; time, then twelve per element, node J's from the seventh.
        const std::size_t at = static_cast<std::size_t>(3 * (drive.joint - 1) + drive.dof);
        const std::size_t fat = static_cast<std::size_t>(12 * (drive.joint - 1) + 6 + drive.dof);
        if (at >= u.size() || fat >= f.size()) {
            ADD_FAILURE() << "too few values recorded at step " << i + 1;
            return record;
        }
        record.displacement.push_back(u[at]);
        record.force.push_back(f[fat]);
    }
    return record;
}

// The work of the force over the second cycle (steps 201..400): the area of its loop.
double loopArea(const Record& r) {
    double area = 0;
    for (std::size_t i = 200; i < r.force.size(); ++i)
        area += 0.5 * (r.force[i] + r.force[i - 1]) * (r.displacement[i] - r.displacement[i - 1]);
    return area;
}

// The force of a piecewise linear curve through (d, f) points at deformation u.
double onCurve(const std::vector<std::pair<double, double>>& points, double u) {
    for (std::size_t i = 1; i < points.size(); ++i)
        if (u <= points[i].first || i + 1 == points.size()) {
            const auto [d0, f0] = points[i - 1];
            const auto [d1, f1] = points[i];
            return f0 + (f1 - f0) * (u - d0) / (d1 - d0);
        }
    return 0;
}

TEST_F(LinkElementsTest, NonlinearLinksFollowTheirHandValuesUnderADrivenCycle) {
    const std::string model = dataPath("solver/links-one-joint-kinds.s2k");
    const std::string tcl = writeScript(model, {});
    ASSERT_FALSE(tcl.empty());
    writeFile(tcl, readFile(tcl) + tclDriver());
    const TempDir python;
    const std::string py = python.file("model.py");
    ASSERT_EQ(runCommand(shellQuoted(binPath("kelvane-cli")) + " py " + shellQuoted(model) + " -o " +
                         shellQuoted(py))
                  .exitCode,
              0);
    writeFile(py, readFile(py) + pythonDriver());
    for (const std::string& script : {tcl, py}) {
        const CommandResult run =
            runCommand(shellQuoted(binPath("kelvane-cli")) + " run " + shellQuoted(script));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find("driven 0"), std::string::npos) << script << ": " << run.out;
    }

    // Bilinear loops: 4 Qd (d - dy). The rubber isolator: k 2000, yield 1000, ratio 0.1, so Qd = 900
    // and dy = 0.5 at d = 20; the friction isolator: mu 0.1 under 1e5 N, k 1e4, so Qd = 1e4 and
    // dy = 1. The damper: c 10 at 1 Hz and 10 mm, pi c omega u^2 (its spring of 1e5 N/mm leaves the
    // dashpot a millionth of the motion). Peaks: r k d + (1 - r) yield = 4900 for the isolator and
    // the Wen link (k 2000, yield 1000, ratio 0.1) at d = 20. The kinematic multilinear plastic link,
    // bilinear through (1, 500) and (10, 1000), at d = 8: Qd = 500 - 500 / 9, dy = 1.
    struct LoopCase {
        int drive; // index into kDrives
        const char* name;
        double area, peak; // peak 0: not checked
    };
    const LoopCase loops[] = {
        {5, "rubber isolator", 4 * 900.0 * (20 - 0.5), 4900},
        {7, "friction isolator", 4 * 1e4 * (20 - 1), 0},
        {4, "damper", std::numbers::pi * 10 * 2 * std::numbers::pi * 100, 0},
        {6, "plastic (Wen)", 0, 4900},
        {8, "multilinear plastic", 4 * (500 - 500.0 / 9) * (8 - 1), 500 + 7 * 500.0 / 9},
    };
    // Elastic curves: linear 500 N/mm; a gap of 2 mm closing in compression and a hook of 2 mm in
    // tension, 2000 N/mm once closed; the multilinear elastic curve through its points.
    const std::vector<std::pair<double, double>> multilinear = {
        {-10, -1000}, {-1, -500}, {0, 0}, {1, 500}, {10, 1000}};
    struct CurveCase {
        int drive;
        const char* name;
        double (*force)(double, const std::vector<std::pair<double, double>>&);
    };
    const CurveCase curves[] = {
        {0, "linear", [](double u, const auto&) { return 500 * u; }},
        {1, "gap", [](double u, const auto&) { return 2000 * std::min(0.0, u + 2); }},
        {2, "hook", [](double u, const auto&) { return 2000 * std::max(0.0, u - 2); }},
        {3, "multilinear elastic", [](double u, const auto& points) { return onCurve(points, u); }},
    };
    for (const std::string& folder : {folder(), python.path().string()}) {
        SCOPED_TRACE(folder);
        for (const LoopCase& c : loops) {
            const Record r = recordOf(folder, kDrives[c.drive]);
            if (r.force.size() != 400u)
                continue;
            if (c.area != 0) {
                EXPECT_NEAR(loopArea(r), c.area, 0.01 * c.area) << c.name;
            }
            if (c.peak != 0) {
                EXPECT_NEAR(*std::max_element(r.force.begin() + 200, r.force.end()), c.peak, 0.01 * c.peak)
                    << c.name;
            }
        }
        for (const CurveCase& c : curves) {
            const Record r = recordOf(folder, kDrives[c.drive]);
            for (std::size_t i = 0; i < r.force.size(); ++i)
                EXPECT_NEAR(r.force[i], c.force(r.displacement[i], multilinear), 0.05)
                    << c.name << " at step " << i + 1 << ", u = " << r.displacement[i];
        }
    }
}

} // namespace
} // namespace kelvane::test
