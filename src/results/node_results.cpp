#include "results/node_results.h"

#include "results/joint_blocks.h"

namespace kelvane {
namespace {

void setDisplacement(TNODE& joint, long long, int component, double value) {
    (component == 0 ? joint.ux : component == 1 ? joint.uy : joint.uz) = value;
}

} // namespace

void loadNodeDeformation(ModelStore& store, const std::string& folder, std::int32_t step) {
    readJointBlocks(store, folder, nodeFileName, step, step, setDisplacement);
}

void loadModeShape(ModelStore& store, const std::string& folder, std::int32_t mode) {
    const auto eigenFileName = [mode](int block) {
        return "eigen" + std::to_string(mode) + "_node" + std::to_string(block) + ".out";
    };
    readJointBlocks(store, folder, eigenFileName, 1, 1, setDisplacement);
}

void clearResults(ModelStore& store) {
    for (TNODE& joint : store.nodes)
        joint.ux = joint.uy = joint.uz = 0;
    for (TFRAME& frame : store.frames) {
        frame.hingeValueI = frame.hingeValueJ = 0;
        frame.hasHingeValueI = frame.hasHingeValueJ = false;
        frame.endForces = {};
        frame.hasEndForces = false;
    }
}

} // namespace kelvane
