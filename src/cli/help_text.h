#pragma once

#include "cli/command_registry.h"

#include <iosfwd>
#include <string>
#include <vector>

// The help of kelvane-cli and of each command, made from what the commands registered.
namespace kelvane::cli {

// The options of kelvane-cli itself (before any command).
const std::vector<HelpLine>& programOptions();

// The line every command's help ends its options with.
const HelpLine& commandHelpOption();

// A term split into its option names and its value's placeholder: "-o OUT.tcl" gives {"-o"} and
// "OUT.tcl", "-h, --help" gives {"-h", "--help"} and "", "MODEL.s2k" gives {} and "MODEL.s2k".
struct TermParts {
    std::vector<std::string> flags;
    std::string value;
};
TermParts splitTerm(const std::string& term);

// kelvane-cli --help: the usage, every command with its summary and the program's options.
void printProgramHelp(std::ostream& out, const std::vector<Command>& commands);

// kelvane-cli COMMAND --help: the usage, the summary, every argument and option, the details.
void printCommandHelp(std::ostream& out, const Command& command);

} // namespace kelvane::cli
