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

void saveTextAtomically(const std::string& path, std::string_view text) {
    std::string temp = folderOf(path) + ".kelvane-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        fail(cannotCreateFileMessage(path, std::strerror(errno)));
    auto giveUp = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        fail(cannotCreateFileMessage(path, std::strerror(error)));
    };
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            giveUp(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        giveUp(errno);
    // mkstemp creates the file readable by its owner only; a saved script is an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        fail(cannotCreateFileMessage(path, std::strerror(error)));
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        fail(cannotCreateFileMessage(path, std::strerror(error)));
    }
}

void saveLinesCrLf(const std::string& path, const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    saveTextAtomically(path, text);
}

} // namespace kelvane
