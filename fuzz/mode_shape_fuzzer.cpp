// A mode shape read from the first line of eigen{m}_node{b}.out.
#include "fuzz_support.h"
#include "recorder_folder.h"

#include "common/error.h"
#include "results/node_results.h"
#include "results/recorder_files.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kelvane::fuzz::RecorderFolder folder;
    FuzzedDataProvider input(data, size);
    const int joints = kelvane::fuzz::objectCount(input);
    const std::int32_t mode = input.ConsumeIntegral<std::int32_t>();
    folder.write(input.ConsumeRemainingBytesAsString(), kelvane::blockCount(joints), [mode](int block) {
        return "eigen" + std::to_string(mode) + "_node" + std::to_string(block) + ".out";
    });

    kelvane::ModelStore store = kelvane::fuzz::storeWith(joints, 0);
    try {
        kelvane::loadModeShape(store, folder.folder(), mode);
    } catch (const kelvane::KelvaneError&) {
    }
    FUZZ_CHECK(store.nodes[0].ux == 0 && store.nodes[0].uy == 0 && store.nodes[0].uz == 0);
    return 0;
}
