#include "results/node_results.h"

#include "common/error.h"
#include "results/recorder_files.h"

#include <cstddef>
#include <vector>

namespace kelvane {
namespace {

// Reads line `lineNumber` of the file of every joint block; `fileName` names block b's file.
template <typename FileName>
void loadJointBlocks(ModelStore& store, const std::string& folder, long long lineNumber, FileName fileName) {
    if (static_cast<long long>(store.nodes.size()) <= countOf(store.nodeCount))
        fail("The model holds fewer joint records than its joint count");
    std::vector<double> values;
    const int blocks = blockCount(store.nodeCount);
    for (int block = 0; block < blocks; ++block) {
        const RecorderBlock range = recorderBlock(store.nodeCount, block);
        const RecorderFile file(recorderPath(folder, fileName(block)));
        readRecorderValues(file, lineNumber, 1 + 3 * range.objectCount, values);
        for (int i = 1; i <= range.objectCount; ++i) {
            TNODE& joint = store.nodes[static_cast<std::size_t>(range.firstObject + i - 1)];
            joint.ux = values[static_cast<std::size_t>(3 * i - 2)];
            joint.uy = values[static_cast<std::size_t>(3 * i - 1)];
            joint.uz = values[static_cast<std::size_t>(3 * i)];
        }
    }
}

} // namespace

void loadNodeDeformation(ModelStore& store, const std::string& folder, std::int32_t step) {
    loadJointBlocks(store, folder, step, [](int block) { return "node" + std::to_string(block) + ".out"; });
}

void loadModeShape(ModelStore& store, const std::string& folder, std::int32_t mode) {
    loadJointBlocks(store, folder, 1, [mode](int block) {
        return "eigen" + std::to_string(mode) + "_node" + std::to_string(block) + ".out";
    });
}

void clearResults(ModelStore& store) {
    for (TNODE& joint : store.nodes)
        joint.ux = joint.uy = joint.uz = 0;
    for (TFRAME& frame : store.frames)
        frame.hingeValueI = frame.hingeValueJ = 0;
}

} // namespace kelvane
