// Loading the displacement history of a large model against the plain cost of reading the same
// recorder files into memory as lines. Writes the recorder files first (the layout OpenSees
// writes: "-time" first, single spaces, 6 significant digits), then times both, best of a few runs.
// Both are timed by wall clock and by processor time; the ratio uses processor time, which other
// work on a shared machine does not inflate (the files are in the page cache, so both are CPU-bound).
//
// history_bench [--joints N] [--steps S] [--folder DIR] [--runs R] [--keep 1]  (--keep leaves the files)
#include "common/text_file.h"
#include "model/model_store.h"
#include "results/animation_state.h"
#include "results/displacement_history.h"
#include "results/recorder_files.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
    double wall = 1e300;
    double cpu = 1e300;
    void keepBest(const Timing& run) {
        wall = std::min(wall, run.wall);
        cpu = std::min(cpu, run.cpu);
    }
};

class Stopwatch {
  public:
    Timing elapsed() const {
        return {std::chrono::duration<double>(Clock::now() - wallStart_).count(),
                static_cast<double>(std::clock() - cpuStart_) / CLOCKS_PER_SEC};
    }

  private:
    Clock::time_point wallStart_ = Clock::now();
    std::clock_t cpuStart_ = std::clock();
};

void appendNumber(std::string& line, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    line.append(buffer, result.ptr);
}

void writeRecorderFiles(const std::string& folder, int joints, int steps) {
    std::filesystem::create_directories(folder);
    const int blocks = kelvane::blockCount(joints);
    std::string text;
    for (int block = 0; block < blocks; ++block) {
        const kelvane::RecorderBlock range = kelvane::recorderBlock(joints, block);
        text.clear();
        for (int step = 1; step <= steps; ++step) {
            appendNumber(text, step * 0.01);
            for (int n = range.firstObject; n < range.firstObject + range.objectCount; ++n) {
                const double phase = (n % 97) * 1.0e-3 + step * 1.3e-2;
                for (double component : {phase * 12.345, -phase * 0.678, phase * phase * 1.0e-3}) {
                    text += ' ';
                    appendNumber(text, component);
                }
            }
            text += '\n';
        }
        kelvane::saveTextAtomically(kelvane::recorderPath(folder, "node" + std::to_string(block) + ".out"),
                                    text);
    }
}

// The reference: every file read into memory and split into lines.
Timing readAsLines(const std::string& folder, int joints, std::size_t& lineCount) {
    const Stopwatch watch;
    lineCount = 0;
    for (int block = 0; block < kelvane::blockCount(joints); ++block)
        lineCount +=
            kelvane::loadLines(kelvane::recorderPath(folder, "node" + std::to_string(block) + ".out")).size();
    return watch.elapsed();
}

Timing loadHistory(const std::string& folder, int joints, int steps, double& checksum) {
    kelvane::ModelStore store;
    store.nodeCount = joints;
    store.nodes.resize(static_cast<std::size_t>(joints) + 1);
    kelvane::AnimationState animation;
    const Stopwatch watch;
    kelvane::LoadDisplacementHistory(store, animation, std::to_string(steps), "100", folder);
    const Timing timing = watch.elapsed();
    checksum = store.nodes[static_cast<std::size_t>(joints)].histUX[static_cast<std::size_t>(steps)];
    return timing;
}

} // namespace

int main(int argc, char** argv) {
    int joints = 20000;
    int steps = 500;
    int runs = 3;
    bool keepFiles = false;
    std::string folder = (std::filesystem::temp_directory_path() / "kelvane-history-bench").string();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--joints")
            joints = std::atoi(argv[i + 1]);
        else if (option == "--steps")
            steps = std::atoi(argv[i + 1]);
        else if (option == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--folder")
            folder = argv[i + 1];
        else if (option == "--keep")
            keepFiles = std::atoi(argv[i + 1]) != 0;
    }

    try {
        writeRecorderFiles(folder, joints, steps);
        Timing bestLines;
        Timing bestHistory;
        std::size_t lineCount = 0;
        double checksum = 0;
        for (int run = 0; run < runs; ++run) {
            bestLines.keepBest(readAsLines(folder, joints, lineCount));
            bestHistory.keepBest(loadHistory(folder, joints, steps, checksum));
        }
        std::uintmax_t bytes = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            bytes += entry.file_size();
        if (!keepFiles)
            std::filesystem::remove_all(folder);

        std::printf("joints=%d steps=%d files=%d bytes=%ju lines=%zu checksum=%.6g\n", joints, steps,
                    kelvane::blockCount(joints), bytes, lineCount, checksum);
        std::printf("read_lines_seconds=%.3f cpu_seconds=%.3f\n", bestLines.wall, bestLines.cpu);
        std::printf("load_history_seconds=%.3f cpu_seconds=%.3f\n", bestHistory.wall, bestHistory.cpu);
        std::printf("wall_clock_ratio=%.2f\n", bestHistory.wall / bestLines.wall);
        std::printf("history_ratio=%.2f\n", bestHistory.cpu / bestLines.cpu);
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        std::filesystem::remove_all(folder);
        return 1;
    }
    return 0;
}
