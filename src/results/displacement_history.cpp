#include "results/displacement_history.h"

#include "common/error.h"
#include "common/number_parse.h"
#include "results/recorder_files.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <vector>

namespace kelvane {
namespace {

void sizeHistories(ModelStore& store, std::int32_t nstep) {
    const long long length = static_cast<long long>(nstep) + 1;
    if (length < 0)
        fail(kRangeCheckError);
    try {
        for (TNODE& joint : store.nodes) {
            joint.histUX.resize(static_cast<std::size_t>(length));
            joint.histUY.resize(static_cast<std::size_t>(length));
            joint.histUZ.resize(static_cast<std::size_t>(length));
        }
    } catch (const std::bad_alloc&) {
        fail("Not enough memory for a displacement history of " + std::to_string(nstep) + " steps");
    } catch (const std::length_error&) {
        fail("Not enough memory for a displacement history of " + std::to_string(nstep) + " steps");
    }
}

void readHistory(ModelStore& store, const std::string& folder, std::int32_t nstep) {
    const int jointCount = countOf(store.nodeCount);
    if (static_cast<long long>(store.nodes.size()) <= jointCount)
        fail("The model holds fewer joint records than its joint count");
    std::vector<double> values;
    for (int block = 0; block < blockCount(jointCount); ++block) {
        const RecorderBlock range = recorderBlock(jointCount, block);
        const RecorderFile file(recorderPath(folder, "node" + std::to_string(block) + ".out"));
        for (std::int32_t step = 1; step <= nstep; ++step) {
            readRecorderValues(file, step, 1 + 3 * range.objectCount, values);
            const auto p = static_cast<std::size_t>(step);
            for (int i = 1; i <= range.objectCount; ++i) {
                TNODE& joint = store.nodes[static_cast<std::size_t>(range.firstObject + i - 1)];
                joint.histUX[p] = values[static_cast<std::size_t>(3 * i - 2)];
                joint.histUY[p] = values[static_cast<std::size_t>(3 * i - 1)];
                joint.histUZ[p] = values[static_cast<std::size_t>(3 * i)];
            }
        }
    }
}

} // namespace

bool LoadDisplacementHistory(ModelStore& store, AnimationState& animation, std::string_view nstepText,
                             std::string_view scaleText, const FolderChooser& chooseFolder) {
    const std::int32_t nstep = parseInt(nstepText);
    animation.AnimationScale = parseReal(scaleText);
    animation.loadedSteps = 0;
    sizeHistories(store, nstep);
    const std::optional<std::string> folder = chooseFolder();
    if (!folder)
        return false;
    readHistory(store, *folder, nstep);
    animation.loadedSteps = nstep > 0 ? nstep : 0;
    return true;
}

void LoadDisplacementHistory(ModelStore& store, AnimationState& animation, std::string_view nstepText,
                             std::string_view scaleText, const std::string& folder) {
    LoadDisplacementHistory(store, animation, nstepText, scaleText,
                            FolderChooser([&folder] { return std::optional<std::string>(folder); }));
}

} // namespace kelvane
