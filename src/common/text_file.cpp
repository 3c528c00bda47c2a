#include "common/text_file.h"

#include "common/error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string loadText(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        fail(cannotOpenFileMessage(path, std::strerror(errno)));
    std::string text;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const int savedErrno = errno;
    std::fclose(file);
    if (failed)
        fail(cannotOpenFileMessage(path, std::strerror(savedErrno)));
    return text;
}

std::vector<std::string> loadLines(const std::string& path) { return splitLines(loadText(path)); }

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

AtomicFile::AtomicFile(const std::string& path) : path_(path), temp_(folderOf(path) + ".kelvane-save-XXXXXX") {
    fd_ = ::mkstemp(temp_.data());
    if (fd_ < 0)
        fail(cannotCreateFileMessage(path_, std::strerror(errno)));
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_)
        ::unlink(temp_.c_str());
}

void AtomicFile::write(std::string_view text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd_, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            giveUp(errno);
        }
        written += static_cast<std::size_t>(n);
    }
}

void AtomicFile::commit() {
    if (::fsync(fd_) != 0)
        giveUp(errno);
    // mkstemp creates the file readable by its owner only; a saved script is an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd_, 0666 & ~mask);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        giveUp(errno);
    if (std::rename(temp_.c_str(), path_.c_str()) != 0)
        giveUp(errno);
    committed_ = true;
}

void AtomicFile::giveUp(int error) { fail(cannotCreateFileMessage(path_, std::strerror(error))); }

void saveTextAtomically(const std::string& path, std::string_view text) {
    AtomicFile file(path);
    file.write(text);
    file.commit();
}

// Streams the lines through a buffer of its own, so that a large file needs no second copy in memory.
void saveLinesCrLf(const std::string& path, const std::vector<std::string>& lines) {
    constexpr std::size_t kBufferSize = 1 << 20;
    AtomicFile file(path);
    std::string buffer;
    buffer.reserve(kBufferSize);
    for (const auto& line : lines) {
        if (buffer.size() + line.size() + 2 > kBufferSize) {
            file.write(buffer);
            buffer.clear();
        }
        buffer += line;
        buffer += "\r\n";
    }
    file.write(buffer);
    file.commit();
}

} // namespace kelvane
