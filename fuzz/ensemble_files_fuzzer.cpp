// The files of an ensemble set read back: a record (PEER NGA or plain), the storeys, the manifest,
// a run's status and the peaks of its node file. What reads gives files that, written again, read
// back the same.
#include "fuzz_support.h"
#include "recorder_folder.h"

#include "batch/batch_set.h"
#include "batch/run_peaks.h"
#include "batch/storey_layout.h"
#include "common/error.h"
#include "common/text_file.h"
#include "script/ground_motion_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

const char* const kFiles[] = {"record.AT2", "storeys.txt", "manifest.csv", "status.txt", "node0.out"};

std::vector<std::pair<double, std::vector<std::int32_t>>> floorsOf(const kelvane::StoreyLayout& layout) {
    std::vector<std::pair<double, std::vector<std::int32_t>>> floors;
    for (const kelvane::FloorLevel& floor : layout.floors)
        floors.emplace_back(floor.elevation, floor.joints);
    return floors;
}

void checkRecord(const std::string& path) {
    try {
        const kelvane::PeerRecord record = kelvane::readPeerRecord(path);
        FUZZ_CHECK(record.dt > 0 && !record.accelerations.empty());
        for (const double value : record.accelerations)
            FUZZ_CHECK(std::isfinite(value));
    } catch (const kelvane::KelvaneError&) {
    }
    try {
        FUZZ_CHECK(kelvane::checkPlainRecord(path) > 0);
    } catch (const kelvane::KelvaneError&) {
    }
}

void checkStoreysAndPeaks(const std::string& folder) {
    kelvane::StoreyLayout layout;
    try {
        layout = kelvane::readStoreyLayout(folder + kFiles[1]);
    } catch (const kelvane::KelvaneError&) {
        return;
    }
    FUZZ_CHECK(layout.floors.size() >= 2 && layout.direction >= 1 && layout.direction <= 3 &&
               layout.gravitySteps >= 0);
    for (std::size_t i = 1; i < layout.floors.size(); ++i)
        FUZZ_CHECK(layout.floors[i].elevation > layout.floors[i - 1].elevation);
    const std::string again = folder + "storeys-again.txt";
    kelvane::saveLinesCrLf(again, kelvane::storeyLines(layout));
    const kelvane::StoreyLayout read = kelvane::readStoreyLayout(again);
    FUZZ_CHECK(floorsOf(read) == floorsOf(layout) && read.direction == layout.direction &&
               read.gravitySteps == layout.gravitySteps);
    std::remove(again.c_str());
    try {
        const kelvane::RunPeaks peaks = kelvane::readRunPeaks(layout, folder);
        FUZZ_CHECK(!(peaks.roofDisplacement < 0) && !(peaks.driftRatio < 0));
    } catch (const kelvane::KelvaneError&) {
    }
}

void checkManifestAndStatus(const std::string& folder) {
    try {
        const std::vector<kelvane::BatchRun> runs = kelvane::readManifest(folder);
        for (std::size_t i = 0; i < runs.size(); ++i)
            FUZZ_CHECK(runs[i].id == static_cast<int>(i) + 1);
        const std::vector<std::string> lines = kelvane::manifestLines(runs);
        kelvane::saveLinesCrLf(folder + kFiles[2], lines);
        FUZZ_CHECK(kelvane::manifestLines(kelvane::readManifest(folder)) == lines);
    } catch (const kelvane::KelvaneError&) {
    }
    try {
        kelvane::readRunStatus(folder);
    } catch (const kelvane::KelvaneError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kelvane::fuzz::RecorderFolder folder;
    folder.write(std::string(kelvane::fuzz::asText(data, size)), static_cast<int>(std::size(kFiles)),
                 [](int file) { return std::string(kFiles[file]); });
    checkRecord(folder.folder() + kFiles[0]);
    checkStoreysAndPeaks(folder.folder());
    checkManifestAndStatus(folder.folder());
    return 0;
}
