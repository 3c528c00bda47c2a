#pragma once

// Timing and argument helpers shared by the benchmark programs.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

namespace kelvane::bench {

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct BestTimes {
    double first = 1e300;
    double second = 1e300;
};

// Runs the two jobs alternately and keeps the best time of each, so a busy moment of the machine
// weighs on both alike.
template <typename First, typename Second>
BestTimes bestAlternating(int runs, First first, Second second) {
    const auto seconds = [](auto& work) {
        const auto start = Clock::now();
        work();
        return secondsSince(start);
    };
    BestTimes best;
    for (int run = 0; run < runs; ++run) {
        best.first = std::min(best.first, seconds(first));
        best.second = std::min(best.second, seconds(second));
    }
    return best;
}

// The value after "--name" on the command line, or the fallback.
inline long long numberArgument(int argc, char** argv, const std::string& name, long long fallback) {
    for (int a = 1; a + 1 < argc; ++a)
        if (argv[a] == name)
            return std::atoll(argv[a + 1]);
    return fallback;
}

inline std::string textArgument(int argc, char** argv, const std::string& name, const std::string& fallback) {
    for (int a = 1; a + 1 < argc; ++a)
        if (argv[a] == name)
            return argv[a + 1];
    return fallback;
}

} // namespace kelvane::bench
