#include "script/script_warnings.h"

#include "model/model_mass.h"
#include "script/node_dofs.h"

#include <algorithm>

namespace kelvane {
namespace {

std::string caseName(const ModelStore& store, std::int32_t loadCase) {
    if (loadCase < 1 || loadCase > loadCaseNameCount(store))
        return std::to_string(loadCase);
    return store.loadCaseNames[static_cast<std::size_t>(loadCase)];
}

// The load cases of the procedure's static stages.
std::vector<std::int32_t> staticCases(const AnalysisSettings& analysis) {
    switch (analysis.analysisType) {
    case SingleLoadControl:
    case GravityTimeHistoryAnalysis:
        return {analysis.loadControlCase};
    case SingleDisplacementControl:
        return {analysis.dispControlCase};
    case GravityPushOver:
        return {analysis.loadControlCase, analysis.dispControlCase};
    default:
        return {};
    }
}

// The joints that only membranes hold (no frame, plate, shell with bending, solid or link reaches
// them) and that carry a joint load: nothing resists the load across the membrane's plane.
std::vector<std::int32_t> loadedJointsHeldByMembranesAlone(const ModelStore& store) {
    enum : char { None = 0, Membrane = 1, Other = 2 };
    std::vector<char> held(static_cast<std::size_t>(countOf(store.nodeCount)) + 1, None);
    const auto mark = [&](std::int32_t joint, char how) {
        if (joint >= 1 && joint <= countOf(store.nodeCount))
            held[static_cast<std::size_t>(joint)] |= how;
    };
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        mark(store.frames[static_cast<std::size_t>(f)].nodeI, Other);
        mark(store.frames[static_cast<std::size_t>(f)].nodeJ, Other);
    }
    for (int a = 1; a <= countOf(store.shellCount); ++a) {
        const TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        const bool membrane =
            area.section >= 1 && area.section <= countOf(store.shellSectionCount) &&
            store.shellSections[static_cast<std::size_t>(area.section)].kind == AreaMembrane;
        for (const std::int32_t joint : {area.node1, area.node2, area.node3, area.node4})
            mark(joint, membrane ? Membrane : Other);
    }
    for (int s = 1; s <= countOf(store.solidCount); ++s) {
        const TSOLID& solid = store.solids[static_cast<std::size_t>(s)];
        for (const std::int32_t joint : {solid.node1, solid.node2, solid.node3, solid.node4, solid.node5,
                                         solid.node6, solid.node7, solid.node8})
            mark(joint, Other);
    }
    for (int l = 1; l <= countOf(store.linkCount) && l < static_cast<int>(store.links.size()); ++l) {
        mark(store.links[static_cast<std::size_t>(l)].nodeI, Other);
        mark(store.links[static_cast<std::size_t>(l)].nodeJ, Other);
    }
    std::vector<std::int32_t> joints;
    for (int i = 1; i <= countOf(store.loadCount); ++i) {
        const TLOAD& load = store.loads[static_cast<std::size_t>(i)];
        if (load.kind != LoadJointForce || load.target < 1 || load.target > countOf(store.nodeCount) ||
            held[static_cast<std::size_t>(load.target)] != Membrane)
            continue;
        const DofFlags& restraint = store.nodes[static_cast<std::size_t>(load.target)].restraint;
        if (std::find(joints.begin(), joints.end(), load.target) == joints.end() &&
            !std::all_of(restraint.begin() + 1, restraint.begin() + 4, [](std::int32_t r) { return r != 0; }))
            joints.push_back(load.target);
    }
    return joints;
}

std::string jointName(const ModelStore& store, std::int32_t joint) {
    const std::string& label = store.nodes[static_cast<std::size_t>(joint)].label;
    return label.empty() ? std::to_string(joint) : label;
}

} // namespace

int loadsOfCase(const ModelStore& store, std::int32_t loadCase) {
    if (loadCase < 1 || loadCase > loadCaseNameCount(store))
        return 0;
    const std::string& name = store.loadCaseNames[static_cast<std::size_t>(loadCase)];
    int count = 0;
    for (int i = 1; i <= countOf(store.loadCount); ++i)
        count += store.loads[static_cast<std::size_t>(i)].caseName == name ? 1 : 0;
    return count;
}

std::string noLoadLine(const ModelStore& store, std::int32_t loadCase) {
    return std::string(kNoLoadPrefix) + "load case " + caseName(store, loadCase) +
           " applies no load, so the static analysis moves nothing";
}

std::vector<std::string> scriptWarnings(const ModelStore& store, const AnalysisSettings& analysis) {
    std::vector<std::string> warnings;
    if (countOf(store.frameCount) + countOf(store.shellCount) + countOf(store.solidCount) +
            countOf(store.linkCount) ==
        0)
        warnings.push_back("The model has no element: the script defines joints only");
    const int areasLeftOut = countOf(store.areaCount) - countOf(store.shellCount);
    if (areasLeftOut > 0)
        warnings.push_back(std::to_string(areasLeftOut) + (areasLeftOut == 1 ? " area is" : " areas are") +
                           " not written (no section, or a section that is not a shell)");
    bool supported = false;
    const int dofsPerNode = nodeDofCount(store);
    for (int n = 1; n <= countOf(store.nodeCount) && !supported; ++n) {
        const TNODE& joint = store.nodes[static_cast<std::size_t>(n)];
        supported = isSupport(joint, dofsPerNode) ||
                    std::any_of(joint.assigned->spring.begin() + 1, joint.assigned->spring.end(),
                                [](double k) { return k != 0; });
    }
    // A one-joint link holds its joint to the ground.
    for (int l = 1; l <= countOf(store.linkCount) && l < static_cast<int>(store.links.size()); ++l)
        supported = supported || store.links[static_cast<std::size_t>(l)].nodeI == 0;
    if (countOf(store.nodeCount) > 0 && !supported)
        warnings.push_back(
            "The model has no support (no restraint, no spring): it is free to move as a rigid "
            "body, and the solver cannot solve it");
    const std::vector<std::int32_t> membraneJoints = loadedJointsHeldByMembranesAlone(store);
    if (!membraneJoints.empty())
        warnings.push_back(std::to_string(membraneJoints.size()) +
                           " loaded joints are held by membranes alone, which have no stiffness across their "
                           "plane: a load across it moves them without bound (joint " +
                           jointName(store, membraneJoints.front()) + " first)");
    int modifiedOnFibers = 0;
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const std::int32_t type = store.frameSections[static_cast<std::size_t>(frame.section)].elementType;
        const bool modified = frame.assigned->areaModifier != 1 || frame.assigned->shear2Modifier != 1 ||
                              frame.assigned->shear3Modifier != 1 || frame.assigned->torsionModifier != 1 ||
                              frame.assigned->i22Modifier != 1 || frame.assigned->i33Modifier != 1;
        modifiedOnFibers += modified && (type == NonlinearBeamColumn || type == DispBeamColumn ||
                                         type == Truss || type == CorotTruss)
                                ? 1
                                : 0;
    }
    if (modifiedOnFibers > 0)
        warnings.push_back(std::to_string(modifiedOnFibers) +
                           " frames with property modifiers take their stiffness from fibers: the modifiers "
                           "are not applied");
    for (const std::int32_t loadCase : staticCases(analysis))
        if (loadsOfCase(store, loadCase) == 0)
            warnings.push_back(noLoadLine(store, loadCase).substr(kNoLoadPrefix.size()));
    const bool dynamic = analysis.analysisType == TimeHistoryAnalysis ||
                         analysis.analysisType == GravityTimeHistoryAnalysis ||
                         analysis.analysisType == MultipleSupportExcitation;
    const std::array<double, 3> mass = totalTranslationalMass(store);
    if (dynamic && (!analysis.genMass || (mass[0] == 0 && mass[1] == 0 && mass[2] == 0)))
        warnings.push_back("The model carries no mass (or Gen Mass is off): the ground motion moves nothing");
    return warnings;
}

} // namespace kelvane
