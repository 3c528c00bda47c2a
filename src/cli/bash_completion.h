#pragma once

#include "cli/command_registry.h"

#include <iosfwd>
#include <vector>

namespace kelvane::cli {

// The bash completion script of kelvane-cli: the commands, each command's options and the values
// their placeholders call for (files by extension, folders, fixed words, and for --set the
// setting names and section.K.FIELD names). It needs nothing but bash itself.
void printBashCompletion(std::ostream& out, const std::vector<Command>& commands);

} // namespace kelvane::cli
