#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// The standard base64 text of the bytes (RFC 4648, with padding, no line breaks).
std::string base64Encode(std::string_view bytes);

} // namespace kelvane
