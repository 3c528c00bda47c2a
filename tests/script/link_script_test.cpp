#include "model/table_import_support.h"
#include "script/link_elements.h"
#include "script/script_generator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvane {
namespace {

using test::sapTable;

// The axes 1, 2 (up) and 3 of a link inclined in X-Z, and turned by 90 degrees about 1.
TEST(LinkScript, LocalAxesFollowSap2000) {
    const double s = std::sqrt(0.5);
    const std::array<Vector, 3> axes[] = {linkAxes({0, 0, 0}, {1, 0, 1}), linkAxes({0, 0, 0}, {1, 0, 1}, 90)};
    const std::array<Vector, 3> expected[] = {{{{s, 0, s}, {-s, 0, s}, {0, -1, 0}}},
                                              {{{s, 0, s}, {0, -1, 0}, {s, 0, -s}}}};
    for (std::size_t t = 0; t < 2; ++t)
        for (std::size_t a = 0; a < 3; ++a)
            for (std::size_t k = 0; k < 3; ++k)
                EXPECT_NEAR(axes[t][a][k], expected[t][a][k], 1e-12) << "turned " << t << ", axis " << a + 1;
}

// The script of one one-joint link at joint 1 (N, mm), or its failure.
std::string scriptOf(const std::string& type, const std::string& table,
                     std::initializer_list<std::string_view> rows) {
    ImportedModel imported = test::importTables(
        sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0"}) +
        sapTable("LINK PROPERTY DEFINITIONS 01 - GENERAL", {"Link=P   LinkType=\"" + type + "\""}) +
        sapTable(table, rows) + sapTable("CONNECTIVITY - LINK", {"Link=1   JointI=1   JointJ=1"}) +
        sapTable("LINK PROPERTY ASSIGNMENTS", {"Link=1   LinkJoints=SingleJoint   LinkProp=P"}));
    std::string text;
    try {
        for (const std::string& line : generateScript(imported.store, AnalysisSettings{}, RecorderSettings{}))
            text += line + "\n";
    } catch (const KelvaneError& error) {
        text = std::string("failed: ") + error.what();
    }
    return text;
}

TEST(LinkScript, WritesWhatTheSolverCanDoAndRefusesTheRest) {
    const std::string rubber = "LINK PROPERTY DEFINITIONS 07 - RUBBER ISOLATOR",
                      yielding = "Fixed=No   NonLinear=Yes   TransK=2000   TransYield=1000   Ratio=0.1";
    // Qd = yield (1 - ratio); R1 fixed: a million times the stiffest direction (U1).
    const std::string bearing =
        scriptOf("Rubber Isolator", rubber,
                 {"Link=P   DOF=U1   Fixed=No   TransKE=100000", "Link=P   DOF=U2   " + yielding,
                  "Link=P   DOF=U3   " + yielding, "Link=P   DOF=R1   Fixed=Yes"});
    const std::pair<std::string, std::string> cases[] = {
        {bearing, "uniaxialMaterial Elastic 900014 1e+11\n"},
        {bearing,
         "element elastomericBearingPlasticity 1 2 1 2000 900 0.1 0 2 -P 900011 -T 900014 -My 900015 "
         "-Mz 900016 -orient 0 0 1 1 0 0\n"},
        {scriptOf("Rubber Isolator", rubber,
                  {"Link=P   DOF=U2   " + yielding, "Link=P   DOF=U3   TransKE=1"}),
         "failed: Link property P (Rubber Isolator), U3: an isolator is written as a bearing only when both"},
        {scriptOf("MultiLinear Plastic", "LINK PROPERTY DEFINITIONS 11 - MULTILINEAR PLASTIC",
                  {"Link=P   DOF=U1   Fixed=No   NonLinear=Yes   HysType=Takeda   Force=-1   Displ=-1",
                   "Link=P   DOF=U1   Force=0   Displ=0", "Link=P   DOF=U1   Force=1   Displ=1"}),
         "failed: Link property P (MultiLinear Plastic), U1: HysType=Takeda is not written"},
    };
    for (const auto& [script, expected] : cases)
        EXPECT_NE(script.find(expected), std::string::npos) << expected << "\n" << script;
}

} // namespace
} // namespace kelvane
