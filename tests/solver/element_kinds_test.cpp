#include "solver/solver_fixture.h"

#include "common/text_file.h"
#include "results/node_results.h"

#include <algorithm>
#include <ostream>

namespace kelvane::test {
namespace {

// tests/data/solver/element-kinds.s2k holds one frame of every kind: elastic, nonlinear and disp
// beam-column columns, two beams with hinges, a truss and a corotational truss brace, a rigid link
// (frame 8, joint 7 to joint 6 with a J-end release) and an elastic arm from joint 7 to joint 8.
// Loaded sideways at joint 2 and downward at joint 8, 100 load steps.
struct Variant {
    const char* name;
    int geomTransf;  // 1 Linear, 2 PDelta, 3 Corotational
    bool aggregator;
};

void PrintTo(const Variant& variant, std::ostream* out) { *out << variant.name; }

const Variant kVariants[] = {
    {"Linear", 1, false},
    {"PDeltaWithAggregator", 2, true},
    {"Corotational", 3, false},
};

class ElementKindsTest : public SolverTest, public ::testing::WithParamInterface<Variant> {};

bool scriptHasLineStartingWith(const std::vector<std::string>& script, const std::string& start) {
    return std::any_of(script.begin(), script.end(), [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

TEST_P(ElementKindsTest, SolverAcceptsEveryKindAndRecordsEveryStep) {
    std::vector<std::string> settings = {"elementForce=1", "sectionDeformation=1",
                                         std::string("useAggregator=") + (GetParam().aggregator ? "1" : "0")};
    for (int section = 1; section <= 8; ++section)
        settings.push_back("section." + std::to_string(section) + ".geomTransf=" + std::to_string(GetParam().geomTransf));
    const std::string script = writeAndRun(dataPath("solver/element-kinds.s2k"), settings);
    ASSERT_FALSE(script.empty());

    const auto lines = loadLines(script);
    for (const char* kind : {"element elasticBeamColumn ", "element nonlinearBeamColumn ", "element dispBeamColumn ",
                             "element beamWithHinges ", "element trussSection ", "element corotTrussSection ",
                             "element zeroLength ", "equalDOF 6 7 1 2 3"})
        EXPECT_TRUE(scriptHasLineStartingWith(lines, kind)) << kind;
    for (const char* recorder : {"node0.out", "ele0.out", "ele0_secs.out", "ele0_secn.out"})
        EXPECT_EQ(nonEmptyLines(file(recorder)).size(), 100u) << recorder;

    ModelStore store = importedModel(dataPath("solver/element-kinds.s2k"));
    loadNodeDeformation(store, folder(), 100);
    EXPECT_GT(store.nodes[2].ux, 0.0);
    // The rigid link ties the translations of joint 7 to joint 6.
    EXPECT_DOUBLE_EQ(store.nodes[7].ux, store.nodes[6].ux);
    EXPECT_DOUBLE_EQ(store.nodes[7].uz, store.nodes[6].uz);
    EXPECT_LT(store.nodes[8].uz, store.nodes[7].uz);
}

INSTANTIATE_TEST_SUITE_P(Transformations, ElementKindsTest, ::testing::ValuesIn(kVariants),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace kelvane::test
