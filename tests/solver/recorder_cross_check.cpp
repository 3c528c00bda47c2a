#include "solver/recorder_cross_check.h"

#include "common/text_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

namespace kelvane::test {
namespace {

std::vector<std::vector<std::string>> fieldsOf(const std::filesystem::path& path) {
    std::vector<std::vector<std::string>> lines;
    for (const std::string& line : loadLines(path.string())) {
        std::istringstream words(line);
        std::vector<std::string> fields;
        for (std::string word; words >> word;)
            fields.push_back(word);
        if (!fields.empty())
            lines.push_back(std::move(fields));
    }
    return lines;
}

// One unit of the last digit of a number as printed ("1.23457e-05" gives 1e-10).
double lastDigitUnit(const std::string& text) {
    const std::size_t exponentAt = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, exponentAt);
    const int exponent = exponentAt == std::string::npos ? 0 : std::stoi(text.substr(exponentAt + 1));
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    return std::pow(10.0, exponent - decimals);
}

// `scale` is the largest magnitude of the file: a value that is round-off beside it (1e-13 where
// others are 1e4) is compared at that scale.
bool agree(const std::string& a, const std::string& b, double x, double y, double scale, double relative,
           bool& rounded) {
    const double difference = std::abs(x - y);
    if (difference <= 1e-12 || difference <= relative * std::max({std::abs(x), std::abs(y), scale}))
        return true;
    rounded = difference <= 1.0000001 * std::max(lastDigitUnit(a), lastDigitUnit(b));
    return rounded;
}

constexpr std::size_t kFiberValues = 5; // y, z, area, stress, strain
constexpr std::size_t kFiberStress = 3;

// "eigen3_" of "eigen3_node1.out": the files of one mode share it.
std::string modeOf(const std::string& name) {
    return name.rfind("eigen", 0) == 0 ? name.substr(0, name.find('_') + 1) : std::string();
}

// The component of the mode largest in the Tcl run, over all the mode's files: its value in each run.
std::pair<double, double> modeScale(const std::filesystem::path& tclFolder,
                                    const std::filesystem::path& pythonFolder,
                                    const std::vector<std::string>& names, const std::string& mode) {
    double largest = 0, tclValue = 1, pythonValue = 1;
    for (const std::string& name : names) {
        if (modeOf(name) != mode || !std::filesystem::exists(pythonFolder / name))
            continue;
        const auto tcl = fieldsOf(tclFolder / name);
        const auto python = fieldsOf(pythonFolder / name);
        if (tcl.empty() || python.empty() || tcl[0].size() != python[0].size())
            continue;
        for (std::size_t f = 1; f < tcl[0].size(); ++f)
            if (std::abs(std::stod(tcl[0][f])) > largest) {
                largest = std::abs(std::stod(tcl[0][f]));
                tclValue = std::stod(tcl[0][f]);
                pythonValue = std::stod(python[0][f]);
            }
    }
    return {tclValue, pythonValue};
}

} // namespace

CrossCheck crossCheckRecorders(const std::filesystem::path& tclFolder,
                               const std::filesystem::path& pythonFolder,
                               const std::vector<std::string>& names, double relative) {
    CrossCheck check;
    for (const std::string& name : names) {
        if (!std::filesystem::exists(pythonFolder / name)) {
            check.differences.push_back(name + ": the Python run wrote no such file");
            continue;
        }
        const auto tcl = fieldsOf(tclFolder / name);
        const auto python = fieldsOf(pythonFolder / name);
        if (tcl.size() != python.size()) {
            check.differences.push_back(name + ": " + std::to_string(tcl.size()) + " lines against " +
                                        std::to_string(python.size()));
            continue;
        }
        const std::string mode = modeOf(name);
        const bool modeShape = !mode.empty();
        const auto [tclScale, pythonScale] =
            modeShape ? modeScale(tclFolder, pythonFolder, names, mode) : std::pair{1.0, 1.0};
        // Round-off of a solution is relative to the solution as a whole: the largest value the
        // file records (the first field of a line, time or load factor, aside).
        double fileScale = 0;
        for (const auto& line : tcl)
            for (std::size_t f = 1; f < line.size(); ++f)
                fileScale = std::max(fileScale, std::abs(std::stod(line[f])));
        // A fiber file holds y, z, area, stress and strain of each fiber: each kind has its own
        // scale. Both builds converge to the same tolerance, not to the same iterate, and a fiber's
        // stress shows that (E times the strain) where the six digits of the displacements hide it:
        // stresses and strains agree within 1e-5 of the largest of their kind (a cracking concrete column
        // gives 7e-6).
        const bool fibers = name.find("_fib") != std::string::npos;
        std::array<double, kFiberValues> kindScale{};
        if (fibers)
            for (const auto& line : tcl)
                for (std::size_t f = 1; f < line.size(); ++f)
                    kindScale[(f - 1) % kFiberValues] =
                        std::max(kindScale[(f - 1) % kFiberValues], std::abs(std::stod(line[f])));
        for (std::size_t l = 0; l < tcl.size() && check.differences.empty(); ++l) {
            if (tcl[l].size() != python[l].size()) {
                check.differences.push_back(name + " line " + std::to_string(l + 1) +
                                            ": field counts differ");
                break;
            }
            for (std::size_t f = 0; f < tcl[l].size(); ++f) {
                ++check.valuesCompared;
                const double x = std::stod(tcl[l][f]), y = std::stod(python[l][f]);
                bool rounded = false;
                const std::size_t kind = (f + kFiberValues - 1) % kFiberValues;
                const double scale = f == 0 ? 0 : fibers ? kindScale[kind] : fileScale;
                const double tolerance =
                    fibers && f > 0 && kind >= kFiberStress ? std::max(relative, 1e-5) : relative;
                const bool same = modeShape && f > 0
                                      ? std::abs(x / tclScale - y / pythonScale) <= 1e-5
                                      : agree(tcl[l][f], python[l][f], x, y, scale, tolerance, rounded);
                if (!same) {
                    check.differences.push_back(name + " line " + std::to_string(l + 1) + " field " +
                                                std::to_string(f) + ": " + tcl[l][f] + " against " +
                                                python[l][f]);
                    break;
                }
                check.lastDigitRoundings += rounded ? 1 : 0;
            }
        }
    }
    return check;
}

} // namespace kelvane::test
