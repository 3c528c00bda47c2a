#include "solver/rc_column_pushover.h"
#include "solver/solver_fixture.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

// Damage on the model from the fiber strains the solver records, counted by render --damage at
// steps before and after the hand values of first yield.
namespace kelvane::test {
namespace {

struct DamageCount {
    int step;
    int yielded, spalled; // sections; no core crushes and no rebar reaches 0.05 in these runs
};

std::vector<std::string> withSetting(std::vector<std::string> settings, const std::string& setting) {
    settings.push_back(setting);
    return settings;
}

struct DamageCase {
    const char* name;
    const char* model;
    std::vector<std::string> settings;
    int sections;
    std::vector<DamageCount> counts;
    int coreSections; // sections with concrete: all compressed past 1e-4 by the 2.2e-4 of gravity
};

// tests/data/solver/cantilever.s2k: 2000 mm, rectangle 200 deep by 100 wide, E = 200000, with a
// Steel01 fiber section, Fy = 250, pushed down at its tip 1 mm a step. Its base yields at curvature
// 2 Fy / (E h) = 1.25e-5 / mm, a tip deflection of phi L^2 / 3 = 16.7 mm (17.1 mm for the outer
// fibers' centres, 2.5 mm inside the faces); of three integration points the middle one carries half
// the base moment, which stays below 1.5 My, and never yields.
const DamageCase kSteelCantilever{"steel_cantilever",
                                  "solver/cantilever.s2k",
                                  {"material.1.model=Steel01", "material.1.Fy=250", "material.1.E0=200000",
                                   "material.1.b=0.001", "section.1.elementType=2", "section.1.barNumNX=0",
                                   "section.1.barNumNY=0", "section.1.divideFX=2", "section.1.divideFY=40",
                                   "numIntgrPts=3", "analysisType=2", "dispControlCase=1", "controlNode=2",
                                   "controlDof=3", "controlDisp=-1", "dispSteps=30", "sectionStressStrain=1"},
                                  3,
                                  {{10, 0, 0}, {16, 0, 0}, {18, 1, 0}, {30, 1, 0}},
                                  0};

// tests/data/solver/rc-column.s2k: 400 x 400, 3000 mm high, under 960 kN (10 gravity steps, an axial
// strain of about 2e-4, far from yield and spalling), then pushed 0.5 mm a step. Cover of Concrete02
// (epsc0 0.002: spalls at 0.004) round a confined core, Steel02 bars of fy 420. The base yields near
// a top drift of phi_y L^2 / 3 with phi_y = 2.1 eps_y / h = 1.1e-5 / mm: 33 mm, and its cover spalls
// soon after; the next integration point (0.17 L up) carries 0.83 of the base moment, less than its
// yield moment once the base has yielded.
const DamageCase kConcreteColumn{"concrete_column",
                                 "solver/rc-column.s2k",
                                 withSetting(rcColumnPushover(), "sectionStressStrain=1"),
                                 5,
                                 {{10, 0, 0}, {50, 0, 0}, {100, 1, 1}, {210, 1, 1}},
                                 5};

class SectionDamageTest : public SolverTest, public ::testing::WithParamInterface<DamageCase> {
  protected:
    CommandResult render(const std::string& options) {
        std::string command = shellQuoted(binPath("kelvane-cli")) + " render " +
                              shellQuoted(dataPath(GetParam().model)) + " " + shellQuoted(folder()) +
                              " --damage " + options + " -o " + shellQuoted(file("damage.png"));
        for (const std::string& setting : GetParam().settings)
            command += " --set " + setting;
        return runCommand(command);
    }
};

TEST_P(SectionDamageTest, SectionsDamageOnlyPastTheHandYieldDeflection) {
    const DamageCase& c = GetParam();
    ASSERT_FALSE(writeAndRun(dataPath(c.model), c.settings).empty());
    for (const DamageCount& count : c.counts) {
        const CommandResult drawn = render("--step " + std::to_string(count.step));
        ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
        const std::string expected =
            "step=" + std::to_string(count.step) + "\nsections=" + std::to_string(c.sections) +
            "\nsteel_yielded=" + std::to_string(count.yielded) +
            "\ncover_spalled=" + std::to_string(count.spalled) + "\ncore_crushed=0\nrebar_ultimate=0\n";
        EXPECT_EQ(drawn.out.substr(drawn.out.find('\n') + 1), expected) << "step " << count.step;
    }
    // Limits below the strains reached: the yielded base's rebar, and every concrete section, whose
    // axial load alone strains it 2.2e-4.
    const CommandResult tight = render("--step " + std::to_string(c.counts.back().step) +
                                       " --rebar-ultimate-strain 0.0022 --crushing-strain 0.0001");
    EXPECT_THAT(tight.out, ::testing::HasSubstr("rebar_ultimate=1\n")) << tight.err;
    EXPECT_THAT(tight.out, ::testing::HasSubstr("core_crushed=" + std::to_string(c.coreSections) + "\n"));
}

INSTANTIATE_TEST_SUITE_P(Runs, SectionDamageTest, ::testing::Values(kSteelCantilever, kConcreteColumn),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace kelvane::test
