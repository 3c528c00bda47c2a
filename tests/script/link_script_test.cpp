#include "model/table_import_support.h"
#include "script/link_elements.h"
#include "script/script_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// The links' local axes, the lines of their bearings and what the script refuses to approximate.
namespace kelvane {
namespace {

using test::sapTable;

TEST(LinkScript, LocalAxesFollowSap2000) {
    struct Case {
        const char* name;
        Vector from, to;
        std::array<Vector, 3> axes;
    };
    const double s = std::sqrt(0.5);
    const Case cases[] = {
        {"along X", {0, 0, 0}, {2, 0, 0}, {{{1, 0, 0}, {0, 0, 1}, {0, -1, 0}}}},
        {"along Y", {0, 0, 0}, {0, 3, 0}, {{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}}},
        {"up", {1, 1, 0}, {1, 1, 4}, {{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}}},
        {"down", {1, 1, 4}, {1, 1, 0}, {{{0, 0, -1}, {1, 0, 0}, {0, -1, 0}}}},
        {"zero length", {5, 5, 5}, {5, 5, 5}, {{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}}},
        {"inclined in X-Z", {0, 0, 0}, {1, 0, 1}, {{{s, 0, s}, {-s, 0, s}, {0, -1, 0}}}},
    };
    for (const Case& c : cases) {
        const std::array<Vector, 3> axes = linkAxes(c.from, c.to);
        for (std::size_t a = 0; a < 3; ++a)
            for (std::size_t k = 0; k < 3; ++k)
                EXPECT_NEAR(axes[a][k], c.axes[a][k], 1e-12) << c.name << ", axis " << a + 1;
    }
}

// One one-joint link at joint 1 of the property the rows define, N and mm.
std::string oneLinkModel(const std::string& type, const std::string& table,
                         std::initializer_list<std::string_view> rows) {
    return sapTable("PROGRAM CONTROL", {"ProgramName=SAP2000   Version=24.1.0   CurrUnits=\"N, mm, C\""}) +
           sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0"}) +
           sapTable("LINK PROPERTY DEFINITIONS 01 - GENERAL",
                    {"Link=P   LinkType=\"" + type + "\"   Mass=0"}) +
           sapTable(table, rows) + sapTable("CONNECTIVITY - LINK", {"Link=1   JointI=1   JointJ=1"}) +
           sapTable("LINK PROPERTY ASSIGNMENTS", {"Link=1   LinkJoints=SingleJoint   LinkProp=P"});
}

std::string scriptOrFailure(const std::string& model) {
    ImportedModel imported = test::importTables(model);
    try {
        const ScriptLines lines = generateScript(imported.store, AnalysisSettings{}, RecorderSettings{});
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        return text;
    } catch (const KelvaneError& error) {
        return std::string("failed: ") + error.what();
    }
}

const std::string kRubberTable = "LINK PROPERTY DEFINITIONS 07 - RUBBER ISOLATOR";
const std::string kPlasticTable = "LINK PROPERTY DEFINITIONS 11 - MULTILINEAR PLASTIC";

TEST(LinkScript, WritesWhatTheSolverCanDoAndRefusesTheRest) {
    struct Case {
        const char* name;
        std::string model;
        std::string expected; // a line of the script, or the start of the failure
    };
    const Case cases[] = {
        {"a rubber isolator's characteristic strength is its yield force times 1 - ratio",
         oneLinkModel("Rubber Isolator", kRubberTable,
                      {"Link=P   DOF=U1   Fixed=No   NonLinear=No   TransKE=100000",
                       "Link=P   DOF=U2   Fixed=No   NonLinear=Yes   TransKE=1   TransK=2000   "
                       "TransYield=1000   Ratio=0.1",
                       "Link=P   DOF=U3   Fixed=No   NonLinear=Yes   TransKE=1   TransK=2000   "
                       "TransYield=1000   Ratio=0.1",
                       "Link=P   DOF=R1   Fixed=Yes"}),
         "element elastomericBearingPlasticity 1 2 1 2000 900 0.1 0 2 -P 900011 -T 900014 -My 900015 -Mz "
         "900016 "
         "-orient 0 0 1 1 0 0"},
        {"a fixed direction is a million times the stiffest link direction",
         oneLinkModel("Rubber Isolator", kRubberTable,
                      {"Link=P   DOF=U1   Fixed=No   NonLinear=No   TransKE=100000",
                       "Link=P   DOF=U2   Fixed=No   NonLinear=Yes   TransKE=1   TransK=2000   "
                       "TransYield=1000   Ratio=0.1",
                       "Link=P   DOF=U3   Fixed=No   NonLinear=Yes   TransKE=1   TransK=2000   "
                       "TransYield=1000   Ratio=0.1",
                       "Link=P   DOF=R1   Fixed=Yes"}),
         "uniaxialMaterial Elastic 900014 1e+11"},
        {"an isolator yielding along U2 only",
         oneLinkModel("Rubber Isolator", kRubberTable,
                      {"Link=P   DOF=U1   Fixed=No   NonLinear=No   TransKE=100000",
                       "Link=P   DOF=U2   Fixed=No   NonLinear=Yes   TransKE=1   TransK=2000   "
                       "TransYield=1000   Ratio=0.1",
                       "Link=P   DOF=U3   Fixed=No   NonLinear=No   TransKE=1000"}),
         "failed: Link property P (Rubber Isolator), U3: an isolator is written as a bearing only when both "
         "U2 and "
         "U3 are nonlinear"},
        {"a Takeda multilinear plastic link",
         oneLinkModel(
             "MultiLinear Plastic", kPlasticTable,
             {"Link=P   DOF=U1   Fixed=No   NonLinear=Yes   TransKE=1   HysType=Takeda   Force=-1   Displ=-1",
              "Link=P   DOF=U1   Force=0   Displ=0", "Link=P   DOF=U1   Force=1   Displ=1"}),
         "failed: Link property P (MultiLinear Plastic), U1: HysType=Takeda is not written"},
        {"a kinematic curve stronger in compression",
         oneLinkModel("MultiLinear Plastic", kPlasticTable,
                      {"Link=P   DOF=U1   Fixed=No   NonLinear=Yes   TransKE=1   HysType=Kinematic   "
                       "Force=-2   Displ=-1",
                       "Link=P   DOF=U1   Force=0   Displ=0", "Link=P   DOF=U1   Force=1   Displ=1"}),
         "failed: Link property P (MultiLinear Plastic), U1: the solver's kinematic multilinear material "
         "takes a "
         "curve through the origin"},
        {"a gap without stiffness",
         oneLinkModel("Gap", "LINK PROPERTY DEFINITIONS 05 - GAP",
                      {"Link=P   DOF=U1   Fixed=No   NonLinear=Yes   TransKE=1   TransK=0   TransOpen=1"}),
         "failed: Link property P (Gap), U1: a gap or hook needs a positive stiffness"},
    };
    for (const Case& c : cases) {
        const std::string script = scriptOrFailure(c.model);
        if (c.expected.starts_with("failed: "))
            EXPECT_TRUE(script.starts_with(c.expected)) << c.name << ": " << script;
        else
            EXPECT_NE(script.find(c.expected + "\n"), std::string::npos) << c.name << ": " << script;
    }
}

} // namespace
} // namespace kelvane
