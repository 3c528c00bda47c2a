// Script generation and saving for a large synthetic building, against the floor of writing the same
// number of bytes to disk in the same run. Prints both times and their ratio.
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "script/script_generator.h"
#include "support/bench_timing.h"
#include "support/synthetic_building.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using kelvane::bench::Clock;
using kelvane::bench::secondsSince;

// Processor time of this process, to tell the work done from the waiting on a busy machine.
double cpuSecondsSince(std::clock_t start) {
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}

struct Options {
    long lines = 1000000;
    int runs = 3;
    std::string folder = "/tmp/kelvane-generate-bench";
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--lines")
            options.lines = std::atol(argv[i + 1]);
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
    const std::string modelPath = options.folder + "/synthetic.s2k";
    const std::string scriptPath = options.folder + "/synthetic.tcl";
    const std::string floorPath = options.folder + "/floor.bin";

    kelvane::saveTextAtomically(modelPath, kelvane::syntheticBuildingS2kWithLines(options.lines));
    kelvane::ModelStore store;
    kelvane::importS2kFile(store, kelvane::initPalette(), modelPath);
    kelvane::AnalysisSettings analysis;
    kelvane::RecorderSettings recorders;

    double save = 1e300, floor = 1e300;
    double saveCpu = 1e300, floorCpu = 1e300;
    std::uintmax_t bytes = 0;
    for (int run = 0; run < options.runs; ++run) {
        const auto start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        kelvane::saveScript(scriptPath, store, analysis, recorders);
        save = std::min(save, secondsSince(start));
        saveCpu = std::min(saveCpu, cpuSecondsSince(cpuStart));
        bytes = std::filesystem::file_size(scriptPath);

        const std::string same(bytes, 'x');
        const auto floorStart = Clock::now();
        const std::clock_t floorCpuStart = std::clock();
        kelvane::saveTextAtomically(floorPath, same);
        floor = std::min(floor, secondsSince(floorStart));
        floorCpu = std::min(floorCpu, cpuSecondsSince(floorCpuStart));
    }
    std::printf("model: %ld s2k lines, %d joints, %d frames\n", options.lines, store.nodeCount,
                store.frameCount);
    const std::string script = kelvane::loadText(scriptPath);
    std::printf("script: %td lines, %ju bytes\n", std::count(script.begin(), script.end(), '\n'), bytes);
    std::printf("generate+save: %.3f s, write floor: %.3f s (best of %d)\n", save, floor, options.runs);
    std::printf("processor time: generate+save %.3f s, write floor %.3f s\n", saveCpu, floorCpu);
    std::printf("generate_ratio=%.2f\n", save / floor);
    std::filesystem::remove(floorPath);
    return 0;
}
