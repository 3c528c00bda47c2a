// Self weight of slabs and solids and pressures on slabs of table-format models through the real
// solver: the supports carry what the script loads the joints with, and that is the weight.
#include "solver/solver_fixture.h"

#include "common/text_file.h"
#include "results/node_results.h"

#include <cmath>
#include <string>

namespace kelvane::test {
namespace {

class TableSelfWeightTest : public SolverTest {
  protected:
    struct Weighed {
        ModelStore store;
        double reactions = 0; // the sum of the vertical reactions
        double loads = 0;     // the sum of the vertical joint loads the script writes
    };
    Weighed run(const std::string& model, int loadCase) {
        Weighed weighed{runLoadCase(dataPath(model), loadCase)};
        for (const std::string& line : nonEmptyLines(file("model.tcl")))
            if (line.rfind("load ", 0) == 0)
                weighed.loads += numbersOf(line.substr(5))[3];
        for (const double reaction : verticalReactions())
            weighed.reactions += reaction;
        return weighed;
    }
};

// tests/data/tables/slab-quadrilaterals.s2k and slab-triangles.s2k: a 6 m square slab 0.2 m thick
// at 25 kN/m3 on simple supports, as 8 x 8 quadrilaterals and as 128 triangles. PRESSURE is
// 5 kN/m2 on every area, DEAD the slab's self weight, the same 180 kN. The script writes each
// joint's share to four digits, so the loads written fall short of it by up to 1 in 2000.
TEST_F(TableSelfWeightTest, SlabWeightAndPressureReachTheSupportsInFull) {
    const double total = 5e-3 * 6000.0 * 6000.0;
    const double D = 3e4 * std::pow(200.0, 3) / (12 * (1 - 0.2 * 0.2));
    for (const char* model : {"tables/slab-quadrilaterals.s2k", "tables/slab-triangles.s2k"})
        for (const int loadCase : {2, 3}) {
            SCOPED_TRACE(std::string(model) + " case " + std::to_string(loadCase));
            const auto [store, reactions, loads] = run(model, loadCase);
            EXPECT_NEAR(loads, -total, 5e-4 * total);
            EXPECT_NEAR(reactions, -loads, 1e-6 * total);
            // Navier's series for the uniformly loaded plate: 0.00406 q a^4 / D at the centre.
            const double centre = 0.00406 * 5e-3 * std::pow(6000.0, 4) / D;
            EXPECT_NEAR(store.nodes[41].uz, -centre, 0.02 * centre);
        }
}

// tests/data/tables/brick-column-weight.s2k: two 200 mm steel cubes stacked (7.85e-5 N/mm3): the
// four supports carry 1256 N, an eighth of each brick's weight coming from each of its joints.
TEST_F(TableSelfWeightTest, SolidWeightIsCarriedByTheSupports) {
    const double weight = 7.85e-5 * 2 * std::pow(200.0, 3);
    const auto [store, reactions, loads] = run("tables/brick-column-weight.s2k", 1);
    EXPECT_NEAR(loads, -weight, 1e-9 * weight);
    EXPECT_NEAR(reactions, weight, 1e-6 * weight);
}

} // namespace
} // namespace kelvane::test
