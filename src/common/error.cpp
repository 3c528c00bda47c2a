#include "common/error.h"

namespace kelvane {

std::string withVisibleNul(const std::string& message) {
    if (message.find('\0') == std::string::npos)
        return message;
    std::string visible;
    for (const char c : message) {
        if (c == '\0')
            visible += "\\0";
        else
            visible += c;
    }
    return visible;
}

void fail(const std::string& message) { throw KelvaneError(message); }

std::string notValidIntegerMessage(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

std::string notValidFloatMessage(const std::string& text) {
    return "'" + text + "' is not a valid floating point value";
}

std::string listIndexOutOfBoundsMessage(long long index) {
    return "List index out of bounds (" + std::to_string(index) + ")";
}

std::string cannotOpenFileMessage(const std::string& path, const std::string& reason) {
    return "Cannot open file \"" + path + "\". " + reason;
}

std::string cannotCreateFileMessage(const std::string& path, const std::string& reason) {
    return "Cannot create file \"" + path + "\". " + reason;
}

} // namespace kelvane
