#pragma once

#include "cli/command_registry.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvane::cli {

// Text set literally in a manual page: backslashes and hyphens escaped, a leading '.' or '\''
// kept from being read as a request.
std::string troffText(const std::string& text);

// The manual page kelvane-cli(1) in troff, from the same help as --help.
void printManPage(std::ostream& out, const std::vector<Command>& commands, const std::string& version);

} // namespace kelvane::cli
