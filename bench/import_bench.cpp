// Importing a large synthetic building against the floor of reading the same file into lines, in
// the same run. The import locates each of its eleven tables with a pass over all lines and
// tokenizes every data line; the floor only reads and splits the file. Prints both times and their
// ratio; the last line is import_ratio=VALUE.
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "support/bench_timing.h"
#include "support/synthetic_building.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using kelvane::bench::Clock;
using kelvane::bench::secondsSince;

struct Options {
    long long lines = 1000000;
    int runs = 3;
    std::string folder = "/tmp/kelvane-import-bench";
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--lines")
            options.lines = std::atoll(argv[i + 1]);
        else if (name == "--runs")
            options.runs = std::max(1, std::atoi(argv[i + 1]));
        else if (name == "--folder")
            options.folder = argv[i + 1];
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    std::filesystem::create_directories(options.folder);
    const std::string path = options.folder + "/synthetic.s2k";
    const kelvane::bench::BuildingSize size = kelvane::bench::buildingSizeForLines(options.lines);
    kelvane::saveTextAtomically(path, kelvane::bench::syntheticBuildingS2k(size));
    const kelvane::ColourTable palette = kelvane::initPalette();

    double floor = 1e300;
    double import = 1e300;
    std::size_t lineCount = 0;
    kelvane::ModelStore counts;
    for (int run = 0; run < options.runs; ++run) {
        // Freeing the lines and the store is left out of both timings.
        {
            auto start = Clock::now();
            const std::vector<std::string> lines = kelvane::loadLines(path);
            floor = std::min(floor, secondsSince(start));
            lineCount = lines.size();
        }
        {
            auto store = std::make_unique<kelvane::ModelStore>();
            auto start = Clock::now();
            kelvane::importS2kFile(*store, palette, path);
            import = std::min(import, secondsSince(start));
            counts.nodeCount = store->nodeCount;
            counts.frameCount = store->frameCount;
            counts.areaCount = store->areaCount;
            counts.loadCount = store->loadCount;
        }
    }
    std::printf(
        "model: %zu lines, %ju bytes (%d storeys, %d x %d bays): %d joints, %d frames, %d areas, %d loads\n",
        lineCount, static_cast<std::uintmax_t>(std::filesystem::file_size(path)), size.storeys, size.baysX,
        size.baysY, counts.nodeCount, counts.frameCount, counts.areaCount, counts.loadCount);
    std::printf("floor (read the file into lines), best of %d: %.3f s\n", options.runs, floor);
    std::printf("import (read and import), best of %d: %.3f s\n", options.runs, import);
    std::printf("import_ratio=%.2f\n", import / floor);
    std::filesystem::remove(path);
    return 0;
}
