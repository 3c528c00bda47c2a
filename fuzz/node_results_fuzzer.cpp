// Joint displacements of one step read from node{b}.out: blocks read before a failure keep
// their values, the others stay as they were.
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
    const std::int32_t step = kelvane::fuzz::lineNumber(input);
    folder.write(input.ConsumeRemainingBytesAsString(), kelvane::blockCount(joints),
                 [](int block) { return "node" + std::to_string(block) + ".out"; });

    kelvane::ModelStore store = kelvane::fuzz::storeWith(joints, 0);
    try {
        kelvane::loadNodeDeformation(store, folder.folder(), step);
    } catch (const kelvane::KelvaneError&) {
    }
    FUZZ_CHECK(store.nodes[0].ux == 0 && store.nodes[0].uy == 0 && store.nodes[0].uz == 0);
    return 0;
}
