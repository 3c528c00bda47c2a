#pragma once

#include <string>
#include <vector>

// Whole columns of a recorder file, one value per recorded step, for the curves.
namespace kelvane {

struct RecorderColumns {
    std::vector<double> time;                // field 0 of every line
    std::vector<std::vector<double>> values; // values[c][s]: field fields[c] of line s + 1
    // A solver that is still running leaves its last line partly written; such a line (one the file
    // does not end) is left out, and this says so.
    bool partialLineLeftOut = false;
    std::size_t steps() const { return time.size(); }
};

// Reads field 0 and the given fields (1-based after the time, as the recorder lays them out) of
// every complete line. Raises "Cannot open file ..." for a file that cannot be read, and a message
// naming the file and the line for a line that is too short or holds a field that is not a number.
RecorderColumns readRecorderColumns(const std::string& path, const std::vector<int>& fields);

// What to tell the user about a file whose last line was left out.
std::string partialLineNote(const std::string& path, std::size_t stepsRead);

} // namespace kelvane
