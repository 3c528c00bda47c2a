#include "results/recorder_files.h"

#include "common/error.h"
#include "common/number_parse.h"
#include "common/text_file.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <utility>

namespace kelvane {

int blockCount(std::int32_t count) {
    return count > 0 ? (count + kRecorderBlockSize - 1) / kRecorderBlockSize : 0;
}

RecorderBlock recorderBlock(std::int32_t count, int block) {
    RecorderBlock result;
    result.firstObject = block * kRecorderBlockSize + 1;
    const int remaining = count - block * kRecorderBlockSize;
    result.objectCount =
        remaining < kRecorderBlockSize ? (remaining > 0 ? remaining : 0) : kRecorderBlockSize;
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

namespace {

// The whole file in one read when its size is known (recorder files are large); otherwise as
// loadText reads it.
std::string readWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        fail(cannotOpenFileMessage(path, std::strerror(errno)));
    std::string text;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        return loadText(path);
    }
    text.resize(static_cast<std::size_t>(size));
    const std::size_t got = std::fread(text.data(), 1, text.size(), file);
    const bool failed = std::ferror(file) != 0;
    const int savedErrno = errno;
    std::fclose(file);
    if (failed)
        fail(cannotOpenFileMessage(path, std::strerror(savedErrno)));
    text.resize(got);
    return text;
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

RecorderFile::RecorderFile(std::string path) : path_(std::move(path)), text_(readWholeFile(path_)) {
    const char* const end = text_.data() + text_.size();
    const char* lineStart = text_.data();
    while (lineStart != end) {
        const auto remaining = static_cast<std::size_t>(end - lineStart);
        const char* lineEnd = static_cast<const char*>(std::memchr(lineStart, '\n', remaining));
        const std::size_t searched = lineEnd ? static_cast<std::size_t>(lineEnd - lineStart) : remaining;
        if (const void* cr = std::memchr(lineStart, '\r', searched))
            lineEnd = static_cast<const char*>(cr);
        if (!lineEnd) {
            lines_.emplace_back(lineStart, remaining);
            break;
        }
        lines_.emplace_back(lineStart, static_cast<std::size_t>(lineEnd - lineStart));
        if (*lineEnd == '\r' && lineEnd + 1 != end && lineEnd[1] == '\n')
            ++lineEnd;
        lineStart = lineEnd + 1;
    }
}

void splitRecorderLine(const RecorderFile& file, long long lineNumber, int fieldsNeeded, FieldViews& fields) {
    const auto lastStep = static_cast<long long>(file.lines().size());
    if (lineNumber > lastStep && lastStep > 0)
        fail(listIndexOutOfBoundsMessage(lineNumber - 1) + ": step " + std::to_string(lineNumber) +
             " is past the end of " + fileNameOf(file.path()) + ", whose last step is " +
             std::to_string(lastStep));
    if (lineNumber < 1 || lineNumber > lastStep)
        fail(listIndexOutOfBoundsMessage(lineNumber - 1));
    const int fieldCount = splitFields(file.lines()[static_cast<std::size_t>(lineNumber - 1)], fields);
    if (fieldCount >= fieldsNeeded)
        return;
    fail("Line " + std::to_string(lineNumber) + " of file \"" + file.path() + "\" has " +
         std::to_string(fieldCount) + " fields; " + std::to_string(fieldsNeeded) + " are needed");
}

namespace {

// One pass over a line whose fields are all plain numbers separated by single spaces; false when
// the line needs the general path (any other text, a leading space, too few fields).
// The line is one of a RecorderFile's, so the character after it is a line end or NUL.
bool readPlainValues(std::string_view line, int fieldsNeeded, std::vector<double>& values) {
    const char* c = line.data();
    const char* const end = c + line.size();
    if (c == end || *c == ' ')
        return false;
    int field = 0;
    for (; field < fieldsNeeded; ++field) {
        double value = 0;
        c = parsePlainDecimalFieldInText(c, end, value); // the line lies in the file's text
        if (!c)
            return false;
        values[static_cast<std::size_t>(field)] = value;
        if (c == end) {
            ++field;
            break;
        }
        ++c; // the space
    }
    return field == fieldsNeeded; // fields past the block are not read
}

} // namespace

void readRecorderValues(const RecorderFile& file, long long lineNumber, int fieldsNeeded,
                        std::vector<double>& values, int& valuesRead) {
    valuesRead = 0;
    if (values.size() < static_cast<std::size_t>(fieldsNeeded))
        values.resize(static_cast<std::size_t>(fieldsNeeded));
    if (lineNumber >= 1 && lineNumber <= static_cast<long long>(file.lines().size()) &&
        readPlainValues(file.lines()[static_cast<std::size_t>(lineNumber - 1)], fieldsNeeded, values)) {
        valuesRead = fieldsNeeded - 1;
        return;
    }
    FieldViews fields;
    splitRecorderLine(file, lineNumber, fieldsNeeded, fields);
    for (int field = 1; field < fieldsNeeded; ++field) {
        values[static_cast<std::size_t>(field)] = fieldValue(fields, field);
        valuesRead = field;
    }
}

int recorderFieldCount(const RecorderFile& file, long long lineNumber) {
    if (lineNumber < 1 || lineNumber > static_cast<long long>(file.lines().size()))
        return 0;
    const std::string_view line = file.lines()[static_cast<std::size_t>(lineNumber - 1)];
    int count = 0;
    bool inField = false;
    for (const char c : line) {
        const bool blank = c == ' ' || c == '\t';
        count += !blank && !inField ? 1 : 0;
        inField = !blank;
    }
    return count;
}

double parseFieldSlowly(std::string_view text) {
    return parseReal(text);
}

} // namespace kelvane
