#pragma once

#include "results/split_fields.h"

#include <cstdint>
#include <string>
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

struct RecorderFile {
    std::string path;
    std::vector<std::string> lines;
};

// Raises "Cannot open file "%s". %s" when the file cannot be read.
RecorderFile loadRecorderFile(const std::string& path);

// Splits line `lineNumber` (1-based) of the file into `fields`. Raises "List index out of bounds
// (%d)" with the zero-based index when the file has no such line, and refuses (naming file and
// line) a line of more than 1000 fields or of fewer than `fieldsNeeded`.
void splitRecorderLine(const RecorderFile& file, long long lineNumber, int fieldsNeeded, FieldViews& fields);

// Field `index` as a number; raises "'%s' is not a valid floating point value".
double fieldValue(const FieldViews& fields, int index);

} // namespace kelvane
