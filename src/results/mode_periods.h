#pragma once

#include <optional>
#include <string>
#include <vector>

// The periods of the modes from Periods.txt, where the modal procedure writes the eigenvalues
// lambda = omega^2 of its modes, in mode order on one line.
namespace kelvane {

inline constexpr const char* kPeriodsFileName = "Periods.txt";

struct ModePeriod {
    double eigenvalue = 0; // omega^2, in 1/s^2 for consistent units (N, mm, t; kN, m, t; ...)
    double period = 0;     // T = 2 pi / omega
    double frequency = 0;  // f = omega / (2 pi) = 1 / T
};

// The eigenvalues of Periods.txt in `folder`, every number of the file in order; no value when the
// folder holds no such file (the modal procedure is the only one that writes it). A field that is
// not a number raises "'%s' is not a valid floating point value".
std::optional<std::vector<double>> readEigenvalues(const std::string& folder);

// The period and frequency of mode `mode` (1-based). Refuses, naming the file, a mode the file
// holds no eigenvalue for and an eigenvalue that is not positive (no vibration period).
ModePeriod modePeriod(const std::vector<double>& eigenvalues, int mode, const std::string& folder);

// "T = 0.1234 s, f = 8.104 Hz", four significant digits.
std::string modePeriodText(double period, double frequency);

} // namespace kelvane
