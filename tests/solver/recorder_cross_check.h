#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Compares the recorder files of a Tcl run with those of its OpenSeesPy twin.
namespace kelvane::test {

struct CrossCheck {
    std::vector<std::string> differences; // one line each, empty when the runs agree
    int valuesCompared = 0;
    int lastDigitRoundings = 0; // values that differ by one unit of the last printed digit only
};

// Every file in `names` in both folders, with the same number of lines and the same values: equal
// within `relative` of the value or of the largest value the file records (1e-9 unless the builds
// are known to differ more) or 1e-12 absolute, or apart by no more
// than one unit of the last digit the recorder printed (the recorders print six significant digits, so two
// builds that agree to 1e-12 may still round a value the other way). A mode-shape file (eigen*) holds one
// vector, known up to its scale: both are scaled to 1 at the component largest in the Tcl run, then compared
// within 1e-5. A fiber file (ele*_fib*.out) compares each kind of value (y, z, area, stress, strain) at
// the scale of the largest of its kind, stresses and strains within 1e-5 (see the source).
CrossCheck crossCheckRecorders(const std::filesystem::path& tclFolder,
                               const std::filesystem::path& pythonFolder,
                               const std::vector<std::string>& names, double relative = 1e-9);

} // namespace kelvane::test
