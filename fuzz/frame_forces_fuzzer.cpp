// The frames' end forces read from ele{k}.out. Only frames whose element records end forces get
// them, and a frame's forces are those of its own twelve fields.
#include "fuzz_support.h"
#include "recorder_folder.h"

#include "common/error.h"
#include "results/frame_forces.h"
#include "results/recorder_files.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kelvane::fuzz::RecorderFolder folder;
    FuzzedDataProvider input(data, size);
    const int frames = kelvane::fuzz::objectCount(input);
    const std::int32_t step = kelvane::fuzz::lineNumber(input);

    // Two sections of any element type, taken by the frames in turn: beam-columns and trusses
    // write twelve values, rigid links three, the others none.
    kelvane::ModelStore store = kelvane::fuzz::storeWith(0, frames);
    store.frameSections.resize(3);
    store.frameSectionCount = 2;
    store.frameSections[1].elementType = input.ConsumeIntegralInRange(0, 8);
    store.frameSections[2].elementType = input.ConsumeIntegralInRange(0, 8);
    for (int f = 1; f <= frames; ++f)
        store.frames[static_cast<std::size_t>(f)].section = 1 + f % 2;

    folder.write(input.ConsumeRemainingBytesAsString(), kelvane::blockCount(frames), [frames](int block) {
        return "ele" + std::to_string(kelvane::frameFileNumber(frames, block)) + ".out";
    });
    try {
        kelvane::loadFrameForces(store, folder.folder(), step);
    } catch (const kelvane::KelvaneError&) {
    }
    FUZZ_CHECK(!store.frames[0].hasEndForces);
    for (int f = 1; f <= frames; ++f) {
        const kelvane::TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const std::int32_t type = store.frameSections[static_cast<std::size_t>(frame.section)].elementType;
        FUZZ_CHECK(!frame.hasEndForces || kelvane::hasForceOutput(type));
    }
    return 0;
}
