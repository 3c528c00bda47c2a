// One section-deformation component read from ele{k}_secs.out and ele{k}_secn.out. After a read
// that succeeds, the colour range spans exactly the end values.
#include "fuzz_support.h"
#include "recorder_folder.h"

#include "common/error.h"
#include "results/recorder_files.h"
#include "results/section_results.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kelvane::fuzz::RecorderFolder folder;
    FuzzedDataProvider input(data, size);
    const int frames = kelvane::fuzz::objectCount(input);
    const std::int32_t step = kelvane::fuzz::lineNumber(input);
    const std::int32_t component = input.ConsumeIntegralInRange<std::int32_t>(0, 4);

    // Two sections of any element type, taken by the frames in turn: the frames' values sit at
    // offsets that depend on both, on the aggregator and on the integration points.
    kelvane::ModelStore store = kelvane::fuzz::storeWith(0, frames);
    store.frameSections.resize(3);
    store.frameSectionCount = 2;
    store.frameSections[1].elementType = input.ConsumeIntegralInRange(0, 8);
    store.frameSections[2].elementType = input.ConsumeIntegralInRange(0, 8);
    for (int f = 1; f <= frames; ++f)
        store.frames[static_cast<std::size_t>(f)].section = 1 + f % 2;
    kelvane::AnalysisSettings analysis;
    analysis.useAggregator = input.ConsumeBool();
    analysis.numIntgrPts = input.ConsumeIntegralInRange(-1, 12);

    // Files in reading order: the first and the last section of block 0, then of block 1, ...
    folder.write(input.ConsumeRemainingBytesAsString(), 2 * kelvane::blockCount(frames), [frames](int file) {
        const std::string number = std::to_string(kelvane::frameFileNumber(frames, file / 2));
        return "ele" + number + (file % 2 == 0 ? "_secs.out" : "_secn.out");
    });

    kelvane::ResultDisplay display;
    bool ranged = false;
    try {
        ranged = kelvane::loadSectionDeformation(store, folder.folder(), step, component, analysis, display);
    } catch (const kelvane::KelvaneError&) {
        return 0;
    }
    FUZZ_CHECK(ranged == (frames > 0));
    if (!ranged)
        return 0;
    double least = store.frames[1].hingeValueI;
    double greatest = least;
    for (int f = 1; f <= frames; ++f) {
        const kelvane::TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        least = std::min({least, frame.hingeValueI, frame.hingeValueJ});
        greatest = std::max({greatest, frame.hingeValueI, frame.hingeValueJ});
    }
    const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    FUZZ_CHECK(same(display.ColourRangeMin, least) && same(display.ColourRangeMax, greatest));
    return 0;
}
