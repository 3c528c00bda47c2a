// Importing a large synthetic table-format building against the floor of reading the same file
// into lines, in the same run; and the import's peak memory against the file's size. Prints the
// figures; the last two lines are import_table_memory_ratio=VALUE and import_table_ratio=VALUE.
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "support/bench_timing.h"
#include "support/synthetic_table_building.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM"); 0 when it cannot be read.
long long statusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::atoll(line.c_str() + field.size() + 1) * 1024;
    return 0;
}

// Sets the peak resident size back to the current one (Linux 4.0 and later).
bool resetPeakMemory() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    return static_cast<bool>(clear.flush());
}

} // namespace

int main(int argc, char** argv) {
    using kelvane::bench::numberArgument;
    const long long lines = numberArgument(argc, argv, "--lines", 1000000);
    const int runs = static_cast<int>(std::max(1LL, numberArgument(argc, argv, "--runs", 3)));
    const std::string folder = kelvane::bench::textArgument(
        argc, argv, "--folder",
        (std::filesystem::temp_directory_path() / "kelvane-import-table-bench").string());
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/synthetic.$2k";
    const kelvane::bench::BuildingSize size = kelvane::bench::tableBuildingSizeForLines(lines);
    kelvane::saveTextAtomically(path, kelvane::bench::syntheticTableBuilding(size));
    const auto fileSize = static_cast<long long>(std::filesystem::file_size(path));
    const kelvane::ColourTable palette = kelvane::initPalette();

    // Memory first, in a process that holds nothing else of size: the peak while the file is read
    // and imported, above what the process held before.
    const bool peakReset = resetPeakMemory();
    const long long before = statusBytes("VmRSS");
    long long joints = 0, frames = 0, areas = 0, loads = 0;
    std::size_t lineCount = 0;
    {
        const auto imported =
            std::make_unique<kelvane::ImportedModel>(kelvane::importModelFile(path, palette));
        joints = imported->store.nodeCount;
        frames = imported->store.frameCount;
        areas = imported->store.areaCount;
        loads = imported->store.loadCount;
        lineCount = imported->store.s2kLines.size();
    }
    const long long peak = statusBytes("VmHWM") - before;

    // Freeing the lines and the store is left out of both timings.
    std::unique_ptr<std::vector<std::string>> read;
    std::unique_ptr<kelvane::ImportedModel> imported;
    const kelvane::bench::BestTimes best = kelvane::bench::bestAlternating(
        runs, [&] { read = std::make_unique<std::vector<std::string>>(kelvane::loadLines(path)); },
        [&] {
            imported = std::make_unique<kelvane::ImportedModel>(kelvane::importModelFile(path, palette));
        });
    read.reset();
    imported.reset();

    std::printf(
        "model: %zu lines, %lld bytes (%d storeys, %d x %d bays): %lld joints, %lld frames, %lld areas, "
        "%lld loads\n",
        lineCount, fileSize, size.storeys, size.baysX, size.baysY, joints, frames, areas, loads);
    std::printf("floor (read the file into lines), best of %d: %.3f s\n", runs, best.first);
    std::printf("import (read and import), best of %d: %.3f s\n", runs, best.second);
    std::printf("import peak memory: %.1f MB above the %.1f MB held before%s\n", peak / 1e6, before / 1e6,
                peakReset ? "" : " (the peak could not be reset: an upper bound)");
    std::printf("import_table_memory_ratio=%.2f\n",
                static_cast<double>(peak) / static_cast<double>(fileSize));
    std::printf("import_table_ratio=%.2f\n", best.second / best.first);
    std::filesystem::remove(path);
    return 0;
}
