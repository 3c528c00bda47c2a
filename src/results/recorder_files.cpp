#include "results/recorder_files.h"

#include "common/error.h"
#include "common/number_parse.h"
#include "common/text_file.h"

#include <cstddef>

namespace kelvane {

int blockCount(std::int32_t count) {
    return count > 0 ? (count + kRecorderBlockSize - 1) / kRecorderBlockSize : 0;
}

RecorderBlock recorderBlock(std::int32_t count, int block) {
    RecorderBlock result;
    result.firstObject = block * kRecorderBlockSize + 1;
    const int remaining = count - block * kRecorderBlockSize;
    result.objectCount = remaining < kRecorderBlockSize ? (remaining > 0 ? remaining : 0) : kRecorderBlockSize;
    return result;
}

int frameFileNumber(std::int32_t frameCount, int block) {
    const int wholeBlocks = frameCount > 0 ? frameCount / kRecorderBlockSize : 0;
    return block < wholeBlocks ? block + 1 : 0;
}

std::string recorderPath(const std::string& folder, const std::string& fileName) {
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\')
        return folder + fileName;
    return folder + "/" + fileName;
}

RecorderFile loadRecorderFile(const std::string& path) { return {path, loadLines(path)}; }

void splitRecorderLine(const RecorderFile& file, long long lineNumber, int fieldsNeeded, FieldViews& fields) {
    if (lineNumber < 1 || lineNumber > static_cast<long long>(file.lines.size()))
        fail(listIndexOutOfBoundsMessage(lineNumber - 1));
    const int fieldCount = splitFields(file.lines[static_cast<std::size_t>(lineNumber - 1)], fields);
    if (fieldCount <= kFieldTableSize && fieldCount >= fieldsNeeded)
        return;
    const std::string where = "Line " + std::to_string(lineNumber) + " of file \"" + file.path + "\" has " +
                              std::to_string(fieldCount) + " fields; ";
    if (fieldCount > kFieldTableSize)
        fail(where + "at most " + std::to_string(kFieldTableSize) + " are read");
    fail(where + std::to_string(fieldsNeeded) + " are needed");
}

double fieldValue(const FieldViews& fields, int index) { return parseReal(fields.fields[static_cast<std::size_t>(index)]); }

} // namespace kelvane
