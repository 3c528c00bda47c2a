#pragma once

#include "common/error.h"

#include <cstdint>
#include <string>
#include <string_view>

// The boxes of the windows: a failure that concerns one box names it first, by its caption
// ("Divide FX: 'x' is not a valid integer value"), so that the user knows where to look.
namespace kelvane {

// The box's text converted as an integer or a decimal number, with the runtime's messages.
std::int32_t boxInt(std::string_view caption, std::string_view text);
double boxReal(std::string_view caption, std::string_view text);

// "Caption: message".
std::string boxMessage(std::string_view caption, std::string_view message);

// Runs a step that reads or checks one box; a failure it raises is raised again led by the caption.
template <class Step> decltype(auto) namingBox(std::string_view caption, Step&& step) {
    try {
        return step();
    } catch (const KelvaneError& error) {
        fail(boxMessage(caption, error.what()));
    }
}

} // namespace kelvane
