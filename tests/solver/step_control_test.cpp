#include "solver/solver_fixture.h"

#include "common/text_file.h"

#include <algorithm>
#include <cmath>

// The step control of nonlinear procedures through both solver builds, against hand values of a
// cantilever whose section is a 2 x 2 grid of Steel01 fibers: every fiber yields at once, so the
// section is bilinear, elastic to the plastic moment Mp = 4 fy A (h/4), then with the slope b EI.
// The force-based element integrates by Gauss-Lobatto on five points; the base one carries 0.05 L.
namespace kelvane::test {
namespace {

struct Grid {
    double fy, b, h, w, e, length; // h the depth the push bends, w the width
    double fiberArea() const { return h * w / 4; }
    double plasticMoment() const { return 4 * fy * fiberArea() * h / 4; }
    double stiffness() const { return e * 4 * fiberArea() * h * h / 16; } // EI of the grid
    // The tip displacement at a tip force F on the branch after yield: the elastic curvature along
    // the length, and the base point's curvature beyond it over 0.05 L.
    double tipDisplacement(double force) const {
        const double moment = force * length;
        const double beyond = (moment - plasticMoment()) * (1 / b - 1) / stiffness();
        return moment * length * length / (3 * stiffness()) + 0.05 * length * length * beyond;
    }
};

// The grid's material and section and `more` settings.
std::vector<std::string> gridSettings(const Grid& g, std::vector<std::string> more) {
    for (const char* fixed :
         {"material.1.model=Steel01", "section.1.elementType=2", "section.1.barNumNX=0",
          "section.1.barNumNY=0", "section.1.divideFX=2", "section.1.divideFY=2", "numIntgrPts=5"})
        more.push_back(fixed);
    more.insert(more.end(), {"material.1.Fy=" + std::to_string(g.fy), "material.1.b=" + std::to_string(g.b)});
    return more;
}

using StepControlTest = SolverTest;

// tests/data/solver/cantilever.s2k, 2000 mm, 200 x 100 mm, TIP = 1 kN down at joint 2, pushed down in
// big steps. Hardening ratio b: almost none (elastic-perfectly plastic, which a force-based element
// cannot invert at b = 0) or negative (a softening column). The base shear is the load factor x 1 kN.
TEST_F(StepControlTest, PushoversReachTheirTargetOrTheirCapacityAtTheHandDrift) {
    struct Case {
        double b, stepSize;
        int steps;
        bool capacity; // the push ends as "capacity reached" at 80 % of the peak
    } const cases[] = {{1e-4, -20, 15, false}, {-0.02, -2, 100, true}};
    for (const Case& c : cases) {
        const Grid g{250, c.b, 200, 100, 200000, 2000};
        ASSERT_FALSE(writeAndRun(dataPath("solver/cantilever.s2k"),
                                 gridSettings(g, {"analysisType=2", "controlNode=2", "controlDof=3",
                                                  "controlDisp=" + std::to_string(c.stepSize),
                                                  "dispSteps=" + std::to_string(c.steps)}))
                         .empty())
            << c.b;
        double peak = 0, lastShear = 0, lastTip = 0, yieldShear = g.plasticMoment() / g.length;
        for (const std::string& line : nonEmptyLines(file("node0.out"))) {
            const std::vector<double> step = numbersOf(line);
            lastShear = step[0] * 1000, lastTip = -step[6], peak = std::max(peak, lastShear);
        }
        const std::string& output = tclOutput();
        if (!c.capacity) {
            // 300 mm is nine times the yield displacement Mp L^2 / 3EI = 33 mm.
            EXPECT_NEAR(lastTip, 300, 1e-6);
            EXPECT_NEAR(lastShear / yieldShear, 1.0, 0.01);
            EXPECT_NE(output.find("Analysis completed: every step converged"), std::string::npos) << output;
            continue;
        }
        EXPECT_NEAR(peak / yieldShear, 1.0, 0.01);
        EXPECT_LT(lastShear, 0.8 * peak);
        // The drift at 80 % of the capacity, with the shear falling along the softening branch.
        EXPECT_NEAR(lastTip, g.tipDisplacement(0.8 * yieldShear), std::abs(c.stepSize) + 0.5);
        EXPECT_NE(output.find("Analysis ended: capacity reached, base shear at 7"), std::string::npos)
            << output;
    }
}

// tests/data/solver/steel-column.s2k (3000 mm, 150 x 150 mm, 5.94 t on top), undamped, under a
// half-sine pulse of ground acceleration, against an average-acceleration Newmark integration of
// the single degree of freedom: stiffness 3EI/L^3, yield force Mp/L, kinematic hardening with the
// tip's post-yield stiffness (the base point's b EI over 0.05 L).
TEST_F(StepControlTest, ShearColumnUnderAPulseEndsWithTheResidualDriftOfANewmarkIntegration) {
    const Grid g{25, 0.005, 150, 150, 200000, 3000};
    const double mass = 5.94, dt = 0.01, amplitude = 1500, pulse = 0.3;
    const int steps = 400;
    std::string record;
    std::vector<double> ground;
    for (int k = 0; k <= steps; ++k)
        ground.push_back(k * dt < pulse ? amplitude * std::sin(M_PI * k * dt / pulse) : 0),
            record += std::to_string(ground.back()) + "\n";
    writeFile(file("PULSE.txt"), record);
    ASSERT_FALSE(
        writeAndRun(dataPath("solver/steel-column.s2k"),
                    gridSettings(g, {"analysisType=5", "gmFile=PULSE.txt", "gmDt=0.01", "gmFactor=1",
                                     "thDt=0.01", "thSteps=" + std::to_string(steps), "dampingRatio=0"}))
            .empty());
    std::vector<std::vector<double>> nodes;
    for (const std::string& line : nonEmptyLines(file("node0.out")))
        nodes.push_back(numbersOf(line));
    ASSERT_EQ(nodes.size(), static_cast<std::size_t>(steps));

    const double k1 = 3 * g.stiffness() / std::pow(g.length, 3), yield = g.plasticMoment() / g.length;
    const double k2 = 1 / (1 / k1 + 0.05 * std::pow(g.length, 3) * (1 / g.b - 1) / g.stiffness());
    const double hardening = k1 * k2 / (k1 - k2); // of the back force over the plastic displacement
    double u = 0, v = 0, a = 0, slip = 0, back = 0, peak = 0, strongest = 0, residual = 0, worst = 0,
           recorded = 0;
    for (int n = 1; n <= steps; ++n) {
        // Newmark (1/2, 1/4), Newton iterations on the spring's return mapping.
        const double load = -mass * ground[static_cast<std::size_t>(n)];
        double next = u, force = 0, acc = 0, nextSlip = slip, nextBack = back;
        for (int i = 0; i < 50; ++i) {
            const double trial = k1 * (next - slip), over = std::abs(trial - back) - yield;
            const double sign = trial - back < 0 ? -1 : 1, gamma = over > 0 ? over / (k1 + hardening) : 0;
            nextSlip = slip + gamma * sign;
            nextBack = back + hardening * gamma * sign;
            force = trial - k1 * gamma * sign;
            acc = 4 / (dt * dt) * (next - u) - 4 / dt * v - a;
            const double unbalanced = load - mass * acc - force;
            if (std::abs(unbalanced) < 1e-10 * yield)
                break;
            next += unbalanced / ((over > 0 ? k2 : k1) + 4 * mass / (dt * dt));
        }
        v += dt / 2 * (a + acc);
        a = acc, u = next, slip = nextSlip, back = nextBack;
        peak = std::max(peak, std::abs(u));
        strongest = std::max(strongest, std::abs(force));
        worst = std::max(worst, std::abs(nodes[static_cast<std::size_t>(n - 1)][4] - u));
        if (n > steps - 100)
            residual += u / 100, recorded += nodes[static_cast<std::size_t>(n - 1)][4] / 100;
    }
    ASSERT_GT(peak, 2 * yield / k1) << "the pulse yields the column";
    ASSERT_LT(strongest, 1.2 * yield) << "the element's second point (0.83 L from the tip) stays elastic";
    EXPECT_LT(worst, 0.01 * peak);
    EXPECT_NEAR(recorded / g.length, residual / g.length, 0.01 * std::abs(residual) / g.length + 1e-6);
    EXPECT_GT(std::abs(residual), 0.2 * yield / k1) << "the column keeps a residual drift";
}

} // namespace
} // namespace kelvane::test
