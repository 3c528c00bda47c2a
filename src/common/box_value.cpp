#include "common/box_value.h"

#include "common/number_parse.h"

namespace kelvane {

std::string boxMessage(std::string_view caption, std::string_view message) {
    return std::string(caption) + ": " + std::string(message);
}

std::int32_t boxInt(std::string_view caption, std::string_view text) {
    return namingBox(caption, [&] { return parseInt(text); });
}

double boxReal(std::string_view caption, std::string_view text) {
    return namingBox(caption, [&] { return parseReal(text); });
}

} // namespace kelvane
