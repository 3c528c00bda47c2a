#pragma once

#include "results/plain_decimal.h"
#include "results/split_fields.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Access to the recorder files OpenSees writes in blocks of 100 joints or frames: file names,
// whole-file loading and the checked reading of one line's fields.
namespace kelvane {

inline constexpr int kRecorderBlockSize = 100;

// Blocks of 100 needed to cover `count` objects (a count of -1 counts as 0).
int blockCount(std::int32_t count);

// The first object (1-based) of block `block` and the number of objects it holds.
struct RecorderBlock {
    int firstObject = 0;
    int objectCount = 0;
};
RecorderBlock recorderBlock(std::int32_t count, int block);

// The frame recorders number their files 1..q for the whole blocks of 100 and 0 for the remainder.
int frameFileNumber(std::int32_t frameCount, int block);

// `folder` joined with `fileName`; a folder given without its final separator gets one.
std::string recorderPath(const std::string& folder, const std::string& fileName);

// A recorder file read whole; its lines are views into its text (split at CR, LF or CR LF).
class RecorderFile {
  public:
    // Raises "Cannot open file "%s". %s" when the file cannot be read.
    explicit RecorderFile(std::string path);
    RecorderFile(const RecorderFile&) = delete;
    RecorderFile& operator=(const RecorderFile&) = delete;

    const std::string& path() const { return path_; }
    const std::vector<std::string_view>& lines() const { return lines_; }
    // False when the text ends inside a line: the last line of a solver still writing the file.
    bool lastLineEnded() const { return text_.empty() || text_.back() == '\n' || text_.back() == '\r'; }

  private:
    std::string path_;
    std::string text_;
    std::vector<std::string_view> lines_;
};

// Splits line `lineNumber` (1-based) of the file into `fields`. Raises "List index out of bounds
// (%d)" with the zero-based index when the file has no such line (past the end, followed by the
// file's name and its last step), and refuses (naming file and line) a line of fewer than
// `fieldsNeeded` fields.
void splitRecorderLine(const RecorderFile& file, long long lineNumber, int fieldsNeeded, FieldViews& fields);

// The number of blank-separated fields of line `lineNumber` (1-based); 0 when there is no such line.
int recorderFieldCount(const RecorderFile& file, long long lineNumber);

// Reads the numbers of line `lineNumber` (1-based) that a block needs: fields 1..fieldsNeeded-1
// into values[1..fieldsNeeded-1] (field 0, the time, is not read). The same checks and messages
// as splitRecorderLine followed by fieldValue for each field, in one pass over a plain line.
// `valuesRead` tells how many leading values hold their field's number, also when a field fails
// to convert, so that a reader can store those before it reports the failure.
void readRecorderValues(const RecorderFile& file, long long lineNumber, int fieldsNeeded,
                        std::vector<double>& values, int& valuesRead);

// Field `index` as a number, read exactly as parseReal reads it; raises "'%s' is not a valid
// floating point value". Inline: it runs once per value of every recorder line.
double parseFieldSlowly(std::string_view text);
inline double fieldValue(const FieldViews& fields, int index) {
    const std::string_view text = fields.fields[static_cast<std::size_t>(index)];
    double value = 0;
    if (parsePlainDecimal(text, value))
        return value;
    return parseFieldSlowly(text); // a leading "+", more digits, or not a number at all
}

} // namespace kelvane
