#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// The text without the terminal's colour and cursor codes (ESC [ ... letter), which the solver
// writes around its warnings ("\x1b[0;31m FAILURE\x1b[0m") and a text pane would show raw.
std::string withoutTerminalCodes(std::string_view text);

} // namespace kelvane
