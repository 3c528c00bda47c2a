#include "script/control_joint_check.h"

#include "common/error.h"
#include "script/node_dofs.h"

#include <string>

namespace kelvane {
namespace {

bool usesDisplacementControl(std::int32_t analysisType) {
    return analysisType == SingleDisplacementControl || analysisType == GravityPushOver;
}

// The rigid diaphragm writes "fix MASTER 0 0 1 1 1 0" and "rigidDiaphragm 3 MASTER MEMBER", which
// ties UX, UY and RZ of each member to the master; the rigid link writes "equalDOF RETAINED
// CONSTRAINED 1 2 3".
bool fixedAtMaster(int dof) {
    return dof == 3 || dof == 4 || dof == 5;
}
bool tiedByDiaphragm(int dof) {
    return dof == 1 || dof == 2 || dof == 6;
}
bool tiedByLink(int dof) {
    return dof >= 1 && dof <= 3;
}

[[noreturn]] void refuse(int joint, int dof, const std::string& why, const std::string& advice) {
    fail("The displacement control joint " + std::to_string(joint) + " " + why + " in degree of freedom " +
         std::to_string(dof) + " (" + dofName(dof) + "), so the solver cannot push it; " + advice);
}

void checkDiaphragms(const ModelStore& store, int joint, int dof) {
    for (int d = 1; d <= countOf(store.diaphragmCount); ++d) {
        const TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(d)];
        if (diaphragm.master == 0)
            continue;
        if (diaphragm.master == joint && fixedAtMaster(dof))
            refuse(joint, dof, "is the master of rigid diaphragm " + std::to_string(d) + ", which is fixed",
                   "choose UX, UY or RZ of the master or another joint");
        if (!tiedByDiaphragm(dof))
            continue;
        for (int k = 1; k <= diaphragm.slaveCount; ++k)
            if (diaphragm.members[static_cast<std::size_t>(k)] == joint)
                refuse(joint, dof,
                       "is tied by rigid diaphragm " + std::to_string(d) + " to its master joint " +
                           std::to_string(diaphragm.master),
                       "control the master joint " + std::to_string(diaphragm.master) + " instead");
    }
}

void checkRigidLinks(const ModelStore& store, int joint, int dof) {
    if (!tiedByLink(dof))
        return;
    for (const EqualDofTie& tie : equalDofTies(store))
        if (tie.constrained == joint)
            refuse(joint, dof,
                   "is tied by the rigid link of frame " + std::to_string(tie.frame) + " to joint " +
                       std::to_string(tie.retained),
                   "control joint " + std::to_string(tie.retained) + " instead");
}

} // namespace

const char* dofName(int dof) {
    static const char* const names[] = {"", "UX", "UY", "UZ", "RX", "RY", "RZ"};
    return dof >= 1 && dof <= 6 ? names[dof] : "";
}

void checkControlJoint(const ModelStore& store, const AnalysisSettings& analysis, int dofsPerNode) {
    if (!usesDisplacementControl(analysis.analysisType))
        return;
    const int joint = analysis.controlNode;
    const int dof = analysis.controlDof;
    const int jointCount = countOf(store.nodeCount);
    if (joint < 1 || joint > jointCount)
        fail("The displacement control joint " + std::to_string(joint) + " is not a joint of the model" +
             (jointCount > 0 ? ", whose joints are numbered 1 to " + std::to_string(jointCount)
                             : ", which has none"));
    if (dof < 1 || dof > dofsPerNode)
        fail("The control degree of freedom " + std::to_string(dof) +
             " is not one of the joints' degrees of " + "freedom 1 to " + std::to_string(dofsPerNode) +
             (dofsPerNode == 3 ? " (UX, UY, UZ)" : " (UX to RZ)"));
    if (store.nodes[static_cast<std::size_t>(joint)].restraint[static_cast<std::size_t>(dof)] != 0)
        refuse(joint, dof, "is a support restrained", "choose a free joint as the control node");
    checkDiaphragms(store, joint, dof);
    checkRigidLinks(store, joint, dof);
}

} // namespace kelvane
