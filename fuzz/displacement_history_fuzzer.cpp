// The animation's displacement history: lines 1..Nstep of node{b}.out. Whatever happens, every
// joint's histories have Nstep + 1 entries, and a history is marked loaded only when it was read whole.
#include "fuzz_support.h"
#include "recorder_folder.h"

#include "common/error.h"
#include "results/displacement_history.h"
#include "results/recorder_files.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kelvane::fuzz::RecorderFolder folder;
    FuzzedDataProvider input(data, size);
    const int joints = kelvane::fuzz::objectCount(input);
    // At most three characters: a history of millions of steps is a legitimate, memory-bound request.
    const std::string nstepText = input.ConsumeBool() ? input.ConsumeRandomLengthString(3)
                                                      : std::to_string(input.ConsumeIntegralInRange(-2, 6));
    const std::string scaleText = input.ConsumeRandomLengthString(16);
    folder.write(input.ConsumeRemainingBytesAsString(), kelvane::blockCount(joints),
                 [](int block) { return "node" + std::to_string(block) + ".out"; });

    kelvane::ModelStore store = kelvane::fuzz::storeWith(joints, 0);
    kelvane::AnimationState animation;
    bool loaded = false;
    try {
        kelvane::LoadDisplacementHistory(store, animation, nstepText, scaleText, folder.folder());
        loaded = true;
    } catch (const kelvane::KelvaneError&) {
    }
    FUZZ_CHECK(loaded || animation.loadedSteps == 0);
    if (animation.loadedSteps > 0)
        for (const kelvane::TNODE& joint : store.nodes)
            FUZZ_CHECK(joint.histUX.size() == static_cast<std::size_t>(animation.loadedSteps) + 1);
    return 0;
}
