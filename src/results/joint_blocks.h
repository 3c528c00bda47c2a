#pragma once

#include "common/error.h"
#include "model/model_store.h"
#include "results/recorder_files.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kelvane {

// Hands values[1..valuesRead] of a line to store(joint, line, component, value), joint by joint
// and X, Y, Z within a joint, as the fields lie in the line.
template <typename Store>
void storeJointValues(ModelStore& model, const RecorderBlock& range, long long line,
                      const std::vector<double>& values, int valuesRead, Store& store) {
    for (int i = 1; i <= range.objectCount; ++i) {
        TNODE& joint = model.nodes[static_cast<std::size_t>(range.firstObject + i - 1)];
        for (int component = 0; component < 3; ++component) {
            const int field = 3 * i - 2 + component;
            if (field > valuesRead)
                return;
            store(joint, line, component, values[static_cast<std::size_t>(field)]);
        }
    }
}

// Reads lines firstLine..lastLine (1-based) of the file of every block of 100 joints, named by
// fileName(block), in increasing block order, and hands each value to
// store(joint, line, component, value) with component 0, 1, 2 for X, Y, Z. A failure stops the
// read; what was stored stays, including the values of the failing line in front of the field
// that failed.
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
            int valuesRead = 0;
            try {
                readRecorderValues(file, line, 1 + 3 * range.objectCount, values, valuesRead);
            } catch (...) {
                storeJointValues(model, range, line, values, valuesRead, store);
                throw;
            }
            storeJointValues(model, range, line, values, valuesRead, store);
        }
    }
}

inline std::string nodeFileName(int block) {
    return "node" + std::to_string(block) + ".out";
}

} // namespace kelvane
