#include "assess/push_shape.h"

#include "common/error.h"
#include "results/node_results.h"
#include "script/store_access.h"

#include <algorithm>
#include <cmath>

namespace kelvane {
namespace {

double jointDisplacement(const TNODE& node, int dof) {
    return dof == 1 ? node.ux : dof == 2 ? node.uy : node.uz;
}

// The joint forces of load case `loadCase` along `dof`, joint by joint.
std::vector<double> jointForces(const ModelStore& store, int loadCase, int dof) {
    std::vector<double> forces(static_cast<std::size_t>(countOf(store.nodeCount)) + 1, 0.0);
    if (loadCase < 1 || loadCase > loadCaseNameCount(store))
        fail("Load case " + std::to_string(loadCase) +
             " of the push pattern is not a load case of the model");
    const std::string& name = store.loadCaseNames[static_cast<std::size_t>(loadCase)];
    for (int l = 1; l <= countOf(store.loadCount) && l < static_cast<int>(store.loads.size()); ++l) {
        const TLOAD& load = store.loads[static_cast<std::size_t>(l)];
        if (load.caseName != name)
            continue;
        if (load.kind != LoadJointForce)
            fail("Load case " + name +
                 " of the push pattern loads frames: the shape Phi_i = F_i / m_i needs "
                 "joint forces alone (or push with the masses: pushPattern 1 or 2)");
        if (load.target < 1 || load.target > countOf(store.nodeCount))
            continue;
        forces[static_cast<std::size_t>(load.target)] += dof == 1 ? load.fx : dof == 2 ? load.fy : load.fz;
    }
    return forces;
}

} // namespace

PushShape equivalentSystem(std::vector<std::int32_t> joints, std::vector<double> masses,
                           std::vector<double> phi, std::string source) {
    PushShape shape;
    shape.source = std::move(source);
    shape.joints = std::move(joints);
    shape.masses = std::move(masses);
    shape.phi = std::move(phi);
    for (std::size_t i = 0; i < shape.masses.size(); ++i) {
        shape.totalMass += shape.masses[i];
        shape.mStar += shape.masses[i] * shape.phi[i];
        shape.sumMassPhi2 += shape.masses[i] * shape.phi[i] * shape.phi[i];
    }
    if (!(shape.mStar > 0) || !(shape.sumMassPhi2 > 0))
        fail("The push shape moves no mass along the push (m* = " + std::to_string(shape.mStar) +
             "): no equivalent system");
    shape.gamma = shape.mStar / shape.sumMassPhi2;
    return shape;
}

PushShape runPushShape(const ModelStore& store, const AnalysisSettings& analysis, const std::string& folder,
                       int controlJoint, int dof) {
    if (dof < 1 || dof > 3)
        fail("The push is along X, Y or Z (degree of freedom 1 to 3), not " + std::to_string(dof));
    if (controlJoint < 1 || controlJoint > countOf(store.nodeCount))
        fail("Joint " + std::to_string(controlJoint) + " is not a joint of the model");
    std::vector<std::int32_t> joints;
    std::vector<double> masses;
    // The mass a support holds (or a joint a rigid link ties to one) is not pushed: it stays put.
    const auto held = [&](int joint) {
        const std::size_t d = static_cast<std::size_t>(dof);
        return store.nodes[static_cast<std::size_t>(joint)].restraint[d] != 0 ||
               jointTiedTo(store, joint).restraint[d] != 0;
    };
    for (int n = 1; n <= countOf(store.nodeCount); ++n) {
        const DofValues& mass = store.nodes[static_cast<std::size_t>(n)].mass;
        if (mass[1] != 0 && mass[static_cast<std::size_t>(dof)] > 0 && !held(n)) {
            joints.push_back(n);
            masses.push_back(mass[static_cast<std::size_t>(dof)]);
        }
    }
    if (joints.empty())
        fail("The model has no mass along the push: no equivalent system");
    const std::string control = "control joint " + std::to_string(controlJoint);
    std::vector<double> phi(joints.size(), 1.0);
    std::string source;
    switch (analysis.pushPattern) {
    case PushUniform:
        source = "uniform pattern: Phi = 1";
        break;
    case PushFirstMode: {
        // K u = lambda M phi gives u = lambda phi / omega^2: the elastic step's shape is the mode's.
        const int gravity = analysis.analysisType == GravityPushOver ? std::max(0, analysis.loadSteps) : 0;
        ModelStore after = store, before = store;
        loadNodeDeformation(after, folder, gravity + 1);
        if (gravity > 0)
            loadNodeDeformation(before, folder, gravity);
        const auto moved = [&](int joint) {
            return jointDisplacement(after.nodes[static_cast<std::size_t>(joint)], dof) -
                   (gravity > 0 ? jointDisplacement(before.nodes[static_cast<std::size_t>(joint)], dof)
                                : 0.0);
        };
        const double atControl = moved(controlJoint);
        if (atControl == 0)
            fail("The first pushover step does not move " + control + ": the mode shape cannot be read");
        for (std::size_t i = 0; i < joints.size(); ++i)
            phi[i] = moved(joints[i]) / atControl;
        source =
            "first-mode pattern: Phi = the displaced shape of pushover step " + std::to_string(gravity + 1);
        break;
    }
    default: {
        const std::vector<double> forces = jointForces(store, analysis.dispControlCase, dof);
        const double controlMass =
            store.nodes[static_cast<std::size_t>(controlJoint)].mass[static_cast<std::size_t>(dof)];
        const double controlForce = forces[static_cast<std::size_t>(controlJoint)];
        if (!(controlMass > 0) || controlForce == 0)
            fail("The load case pattern gives Phi_i = F_i / m_i: " + control +
                 " needs a mass and a joint force of load case " + std::to_string(analysis.dispControlCase) +
                 " along the push");
        for (std::size_t i = 0; i < joints.size(); ++i)
            phi[i] = forces[static_cast<std::size_t>(joints[i])] / masses[i] / (controlForce / controlMass);
        source =
            "load case pattern: Phi = F_i / m_i of load case " + std::to_string(analysis.dispControlCase);
        break;
    }
    }
    return equivalentSystem(std::move(joints), std::move(masses), std::move(phi), std::move(source));
}

} // namespace kelvane
