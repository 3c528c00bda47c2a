#include "solver/solver_fixture.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

// Damage on the model from the fiber strains the solver records: the steel cantilever of
// tests/data/solver/cantilever.s2k (2000 mm, rectangle 200 deep by 100 wide, E = 200000) with a
// Steel01 fiber section, Fy = 250, pushed down at its tip 1 mm a step. Its base yields at
// curvature 2 Fy / (E h) = 1.25e-5 / mm, a tip deflection of phi L^2 / 3 = 16.7 mm (17.1 mm for the
// outer fibers' centres, 2.5 mm inside the faces); with three integration points the middle one
// carries half the base moment, which stays below 1.5 My, and never yields.
namespace kelvane::test {
namespace {

class SectionDamageTest : public SolverTest {};

const std::vector<std::string> kSettings{"material.1.model=Steel01",
                                         "material.1.Fy=250",
                                         "material.1.E0=200000",
                                         "material.1.b=0.001",
                                         "section.1.elementType=2",
                                         "section.1.barNumNX=0",
                                         "section.1.barNumNY=0",
                                         "section.1.divideFX=2",
                                         "section.1.divideFY=40",
                                         "numIntgrPts=3",
                                         "analysisType=2",
                                         "dispControlCase=1",
                                         "controlNode=2",
                                         "controlDof=3",
                                         "controlDisp=-1",
                                         "dispSteps=30",
                                         "sectionStressStrain=1"};

TEST_F(SectionDamageTest, TheBaseSectionYieldsPastTheHandYieldDeflectionAndNothingBefore) {
    const std::string script = writeAndRun(dataPath("solver/cantilever.s2k"), kSettings);
    ASSERT_FALSE(script.empty());
    std::string settings;
    for (const std::string& setting : kSettings)
        settings += " --set " + setting;
    const struct {
        int step; // the tip deflection in mm
        std::vector<std::string> counts;
    } cases[] = {
        {10,
         {"step=10", "sections=3", "steel_yielded=0", "cover_spalled=0", "core_crushed=0",
          "rebar_ultimate=0"}},
        {16,
         {"step=16", "sections=3", "steel_yielded=0", "cover_spalled=0", "core_crushed=0",
          "rebar_ultimate=0"}},
        {18,
         {"step=18", "sections=3", "steel_yielded=1", "cover_spalled=0", "core_crushed=0",
          "rebar_ultimate=0"}},
        {30,
         {"step=30", "sections=3", "steel_yielded=1", "cover_spalled=0", "core_crushed=0",
          "rebar_ultimate=0"}},
    };
    for (const auto& c : cases) {
        const std::string picture = file("damage" + std::to_string(c.step) + ".png");
        const CommandResult render = runCommand(
            shellQuoted(binPath("kelvane-cli")) + " render " +
            shellQuoted(dataPath("solver/cantilever.s2k")) + " " + shellQuoted(folder()) +
            " --damage --step " + std::to_string(c.step) + " -o " + shellQuoted(picture) + settings);
        ASSERT_EQ(render.exitCode, 0) << render.err;
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = render.out.find('\n', at)) != std::string::npos; at = end + 1)
            if (render.out.compare(at, 5, "wrote") != 0)
                lines.push_back(render.out.substr(at, end - at));
        EXPECT_EQ(lines, c.counts) << "step " << c.step;
    }
    // A tighter rebar limit than the outer fibers' strain at 30 mm marks the base's rebar too.
    const CommandResult tight = runCommand(
        shellQuoted(binPath("kelvane-cli")) + " render " + shellQuoted(dataPath("solver/cantilever.s2k")) +
        " " + shellQuoted(folder()) + " --damage --step 30 --rebar-ultimate-strain 0.002 -o " +
        shellQuoted(file("tight.png")) + settings);
    EXPECT_THAT(tight.out, ::testing::HasSubstr("rebar_ultimate=1\n")) << tight.err;
}

} // namespace
} // namespace kelvane::test
