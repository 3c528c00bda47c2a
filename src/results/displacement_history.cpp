#include "results/displacement_history.h"

#include "common/box_value.h"
#include "common/error.h"
#include "results/joint_blocks.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <stdexcept>

namespace kelvane {
namespace {

// A guard against a mistyped step count: the histories would otherwise fill the memory and the
// system would end the program with the model unsaved.
constexpr long long kHistoryMemoryBudgetMB = 8192;

void sizeHistories(ModelStore& store, std::int32_t nstep) {
    const long long length = static_cast<long long>(nstep) + 1;
    if (length < 0)
        fail(kRangeCheckError);
    const long long neededMB =
        length * 3 * static_cast<long long>(sizeof(double)) * static_cast<long long>(store.nodes.size()) >>
        20;
    if (neededMB > kHistoryMemoryBudgetMB)
        fail("A displacement history of " + std::to_string(nstep) + " steps for " +
             std::to_string(countOf(store.nodeCount)) + " joints needs " + std::to_string(neededMB) +
             " MB, more than the " + std::to_string(kHistoryMemoryBudgetMB) + " MB it may take");
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
    readJointBlocks(store, folder, nodeFileName, 1, nstep,
                    [](TNODE& joint, long long step, int component, double value) {
                        std::vector<double>& history = component == 0   ? joint.histUX
                                                       : component == 1 ? joint.histUY
                                                                        : joint.histUZ;
                        history[static_cast<std::size_t>(step)] = value;
                    });
}

} // namespace

bool LoadDisplacementHistory(ModelStore& store, AnimationState& animation, std::string_view nstepText,
                             std::string_view scaleText, const FolderChooser& chooseFolder) {
    const std::int32_t nstep = boxInt("Nstep", nstepText);
    animation.AnimationScale = boxReal("Scale", scaleText);
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
