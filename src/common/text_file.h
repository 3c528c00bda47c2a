#pragma once

#include <string>
#include <string_view>
#include <vector>

// 8-bit text files as lists of lines.
namespace kelvane {

// Splits text at CR, LF and CR LF; terminators are removed, nothing else is trimmed. A final
// terminator does not start another line; empty text gives no lines.
std::vector<std::string> splitLines(std::string_view text);

// Reads a whole file as lines. Raises "Cannot open file "%s". %s" when it cannot be read.
std::vector<std::string> loadLines(const std::string& path);
std::string loadText(const std::string& path);

// Writes every line followed by CR LF to a temporary file in the target's folder, then renames it
// over the target: a failed save leaves the previous file as it was. Raises
// "Cannot create file "%s". %s" when the file cannot be written.
void saveLinesCrLf(const std::string& path, const std::vector<std::string>& lines);
void saveTextAtomically(const std::string& path, std::string_view text);

// A file written piece by piece into a temporary file in the target's folder; commit() renames it
// over the target. Destroyed without commit (a failed write, or a failure of whatever produces
// the text), it removes the temporary file and the previous target stays as it was. Raises
// "Cannot create file "%s". %s" when the file cannot be created or written.
class AtomicFile {
  public:
    explicit AtomicFile(const std::string& path);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    void write(std::string_view text);
    void commit();

  private:
    [[noreturn]] void giveUp(int error);

    std::string path_;
    std::string temp_;
    int fd_ = -1;
    bool committed_ = false;
};

// The folder part of a path, up to and including its last separator ("" when there is none).
std::string folderOf(const std::string& path);

} // namespace kelvane
