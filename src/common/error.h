#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

// The message with every NUL byte written as "\0": the text is shown through what(), which would
// end it at the first NUL (a field of a file may hold one).
std::string withVisibleNul(const std::string& message);

// The one failure type the user sees: its text is shown as it stands (message box, standard error).
class KelvaneError : public std::runtime_error {
  public:
    explicit KelvaneError(const std::string& message) : std::runtime_error(withVisibleNul(message)) {}
};

// A failure whose message names its place in the input already (a table and a line, say), so that
// nobody adds it a second time.
class PlacedError : public KelvaneError {
  public:
    using KelvaneError::KelvaneError;
};

[[noreturn]] void fail(const std::string& message);

// The runtime's fixed messages.
std::string notValidIntegerMessage(const std::string& text);
std::string notValidFloatMessage(const std::string& text);
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kRangeCheckError = "Range check error";
std::string listIndexOutOfBoundsMessage(long long index);
std::string cannotOpenFileMessage(const std::string& path, const std::string& reason);
std::string cannotCreateFileMessage(const std::string& path, const std::string& reason);

} // namespace kelvane
