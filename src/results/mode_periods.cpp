#include "results/mode_periods.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "results/recorder_files.h"

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string_view>

namespace kelvane {

std::optional<std::vector<double>> readEigenvalues(const std::string& folder) {
    const std::string path = recorderPath(folder, kPeriodsFileName);
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return std::nullopt;
    const RecorderFile file(path);
    std::vector<double> eigenvalues;
    for (std::string_view line : file.lines()) {
        std::size_t at = 0;
        while (at < line.size()) {
            const std::size_t start = line.find_first_not_of(" \t", at);
            if (start == std::string_view::npos)
                break;
            const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
            eigenvalues.push_back(parseReal(line.substr(start, end - start)));
            at = end;
        }
    }
    return eigenvalues;
}

ModePeriod modePeriod(const std::vector<double>& eigenvalues, int mode, const std::string& folder) {
    const std::string path = recorderPath(folder, kPeriodsFileName);
    if (mode < 1 || mode > static_cast<int>(eigenvalues.size()))
        fail("\"" + path + "\" holds " + std::to_string(eigenvalues.size()) + " eigenvalues; mode " +
             std::to_string(mode) + " has none");
    ModePeriod result;
    result.eigenvalue = eigenvalues[static_cast<std::size_t>(mode - 1)];
    if (!(result.eigenvalue > 0))
        fail("Eigenvalue " + std::to_string(mode) + " of \"" + path + "\" is " +
             formatGeneral(result.eigenvalue) + ": mode " + std::to_string(mode) + " has no period");
    const double omega = checkedSqrt(result.eigenvalue);
    result.period = checkedDiv(2 * std::numbers::pi, omega);
    result.frequency = omega / (2 * std::numbers::pi);
    return result;
}

std::string modePeriodText(double period, double frequency) {
    return "T = " + formatSignificant(period, 4) + " s, f = " + formatSignificant(frequency, 4) + " Hz";
}

} // namespace kelvane
