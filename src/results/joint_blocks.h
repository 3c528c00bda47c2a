#pragma once

#include "common/error.h"
#include "model/model_store.h"
#include "results/recorder_files.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kelvane {

// Reads lines firstLine..lastLine (1-based) of the file of every block of 100 joints, named by
// fileName(block), in increasing block order, and hands each joint's three values to
// store(joint, line, x, y, z) line by line. A failure stops the read; what was stored stays.
template <typename FileName, typename Store>
void readJointBlocks(ModelStore& model, const std::string& folder, FileName fileName, long long firstLine,
                     long long lastLine, Store store) {
    const int jointCount = countOf(model.nodeCount);
    if (static_cast<long long>(model.nodes.size()) <= jointCount)
        fail("The model holds fewer joint records than its joint count");
    std::vector<double> values;
    for (int block = 0; block < blockCount(jointCount); ++block) {
        const RecorderBlock range = recorderBlock(jointCount, block);
        const RecorderFile file(recorderPath(folder, fileName(block)));
        for (long long line = firstLine; line <= lastLine; ++line) {
            readRecorderValues(file, line, 1 + 3 * range.objectCount, values);
            for (int i = 1; i <= range.objectCount; ++i)
                store(model.nodes[static_cast<std::size_t>(range.firstObject + i - 1)], line,
                      values[static_cast<std::size_t>(3 * i - 2)],
                      values[static_cast<std::size_t>(3 * i - 1)], values[static_cast<std::size_t>(3 * i)]);
        }
    }
}

inline std::string nodeFileName(int block) {
    return "node" + std::to_string(block) + ".out";
}

} // namespace kelvane
