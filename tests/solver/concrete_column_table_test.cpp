#include "sections/rebar_layout.h"
#include "sections/reinforcement_summary.h"
#include "solver/solver_fixture.h"
#include "solver/stress_block.h"

#include <algorithm>

// A reinforced concrete column described in SAP2000's table layout, through the real solver.
namespace kelvane::test {
namespace {

// tests/data/solver/rc-column-table.s2k: 500 x 500 mm, 3000 mm high, C30 (Fc = 30), 4 x 4 bars of
// 25d (REBAR SIZES: 490.87 mm2) in B500 (Fy = 500), 40 mm clear cover to 10d ties at 100 mm.
// The bars' centres lie 40 + 10 + 12.5 = 62.5 mm inside the faces: rows of 4, 2, 2 and 4 bars at
// 62.5, 187.5, 312.5 and 437.5 mm from the compressed face. Under N = 750 kN (0.1 f'c Ag) the
// stress block gives c = 157 mm and 640 kN m.
class ConcreteColumnTableTest : public SolverTest {};

TEST_F(ConcreteColumnTableTest, PushoverPeaksAtTheStressBlockCapacityOfTheFilesBars) {
    const ModelStore model = importedModel(dataPath("solver/rc-column-table.s2k"));
    EXPECT_NEAR(totalBarArea(model.frameSections[1]), 12 * 490.87, 0.01);
    // What the Frame Section window shows last: f'cc of the 10d ties at 100 mm (see the Mander tests).
    EXPECT_EQ(reinforcementRows(model, 1).at(8).value, "45.87");

    const double length = 3000, bar = 490.87;
    ASSERT_FALSE(writeAndRun(dataPath("solver/rc-column-table.s2k"),
                             {"materialDefaults=nonlinear", "section.1.elementType=2", "section.1.divideFX=4",
                              "section.1.divideFY=16", "numIntgrPts=5", "analysisType=3", "loadControlCase=1",
                              "dispControlCase=2", "loadSteps=10", "controlNode=2", "controlDof=1",
                              "controlDisp=0.25", "dispSteps=160"})
                     .empty());
    std::vector<double> moments;
    for (const std::string& line : nonEmptyLines(file("node0.out")))
        moments.push_back(numbersOf(line).at(0) * 1000 * length);
    ASSERT_EQ(moments.size(), 170u);
    const double peak = *std::max_element(moments.begin() + 10, moments.end());
    const double capacity =
        stressBlockMoment({30,
                           500,
                           500,
                           500,
                           200000,
                           750e3,
                           {{62.5, 4 * bar}, {187.5, 2 * bar}, {312.5, 2 * bar}, {437.5, 4 * bar}}});
    EXPECT_NEAR(peak / capacity, 1.0, 0.05);
}

} // namespace
} // namespace kelvane::test
