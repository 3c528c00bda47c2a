#include "common/error.h"
#include "script/model_builder.h"
#include "script/script_generator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// The displacement-control procedures refuse a control joint the solver cannot push.
namespace kelvane {
namespace {

using ::testing::HasSubstr;

// Supports 1 and 3, column tops 2 and 4 in a rigid diaphragm with master 5, and a rigid link from
// joint 6 (retained) to joint 7 (tied in UX, UY, UZ) released at its first end.
ModelStore portalWithLink() {
    ModelStore store;
    for (const auto& [x, z] :
         {std::pair{0.0, 0.0}, {0.0, 3.0}, {5.0, 0.0}, {5.0, 3.0}, {2.5, 3.0}, {1.0, 3.0}, {1.0, 4.0}})
        test::addNode(store, x, 0, z);
    store.nodes[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    store.nodes[3].restraint = {0, 1, 1, 1, 0, 0, 0};
    store.diaphragms = {TDIAPH{}, TDIAPH{2, {0, 2, 4}, 5}};
    store.diaphragmCount = 1;
    store.nodes[5].mass = {0, 10, 10, 0, 0, 0, 0};
    test::addMaterial(store, "STEEL", 200000, 0.3);
    test::addRectangle(store, "COL", ElasticBeamColumn, 400, 400, 1);
    test::addRectangle(store, "LINK", RigidLink, 100, 100, 1);
    test::addFrame(store, 1, 2, 1);
    test::addFrame(store, 3, 4, 1);
    test::addFrame(store, 6, 7, 2).release = 1;
    return store;
}

std::string outcome(int analysisType, int joint, int dof) {
    ModelStore store = portalWithLink();
    AnalysisSettings analysis;
    analysis.analysisType = analysisType;
    analysis.loadControlCase = 1;
    analysis.dispControlCase = 2;
    analysis.controlNode = joint;
    analysis.controlDof = dof;
    try {
        generateScript(store, analysis, {});
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "written";
}

TEST(ControlJointCheck, RefusesJointsTheSolverCannotPushAndNamesJointAndDof) {
    struct Case {
        int joint, dof;
        const char* expected;
    };
    const Case cases[] = {
        {5, 1, "written"},
        {5, 6, "written"},
        {2, 3, "written"},
        {7, 4, "written"},
        {6, 1, "written"},
        {3, 4, "written"},
        {1, 1,
         "The displacement control joint 1 is a support restrained in degree of freedom 1 (UX), so the "
         "solver cannot push it; choose a free joint as the control node"},
        {3, 3, "joint 3 is a support restrained in degree of freedom 3 (UZ)"},
        {5, 3, "joint 5 is the master of rigid diaphragm 1, which is fixed in degree of freedom 3 (UZ)"},
        {2, 1,
         "joint 2 is tied by rigid diaphragm 1 to its master joint 5 in degree of freedom 1 (UX), so the "
         "solver cannot push it; control the master joint 5 instead"},
        {4, 6, "joint 4 is tied by rigid diaphragm 1 to its master joint 5 in degree of freedom 6 (RZ)"},
        {7, 2, "joint 7 is tied by the rigid link of frame 3 to joint 6 in degree of freedom 2 (UY)"},
        {8, 1,
         "The displacement control joint 8 is not a joint of the model, whose joints are numbered 1 to 7"},
        {0, 1, "joint 0 is not a joint of the model"},
        {5, 7, "The control degree of freedom 7 is not one of the joints' degrees of freedom 1 to 6"},
        {5, 0, "degree of freedom 0 is not one of"},
    };
    for (const Case& c : cases)
        for (int type : {SingleDisplacementControl, GravityPushOver})
            EXPECT_THAT(outcome(type, c.joint, c.dof), HasSubstr(c.expected))
                << "procedure " << type << ", joint " << c.joint << ", dof " << c.dof;
}

TEST(ControlJointCheck, ProceduresWithoutDisplacementControlIgnoreTheControlJoint) {
    for (int type : {SingleLoadControl, ModalAnalysis, TimeHistoryAnalysis, GravityTimeHistoryAnalysis,
                     MultipleSupportExcitation})
        EXPECT_EQ(outcome(type, 1, 1), "written") << "procedure " << type;
}

} // namespace
} // namespace kelvane
