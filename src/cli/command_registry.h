#pragma once

#include <string>
#include <vector>

// Each sub-command of kelvane-cli lives in a file of its own and registers itself here, with the
// help that `kelvane-cli COMMAND --help`, the manual page and the shell completion are made from.
namespace kelvane::cli {

using Arguments = std::vector<std::string>;
using CommandFunction = int (*)(const Arguments& args);

// One argument or option as the user types it, and what it means in one line. Terms starting
// with '-' are options; "-o OUT.tcl" takes a value. The value's placeholder also tells the shell
// completion what to offer: NAME.EXT a file of that kind, FOLDER a folder, a|b|c one of the
// words, NAME=VALUE a setting name.
struct HelpLine {
    std::string term;
    std::string meaning;
};

struct Command {
    std::string name;
    std::string usage;   // the synopsis after "kelvane-cli", as "info MODEL.s2k"
    std::string summary; // what the command does, one line
    std::string details; // more about it (exit status, what is written), may be empty
    std::vector<HelpLine> lines;
    CommandFunction run = nullptr;
};

// Every registered command, in registration order.
std::vector<Command>& commands();
// The registered commands sorted by name.
std::vector<Command> commandsByName();

struct RegisterCommand {
    explicit RegisterCommand(Command command);
};

// Raised for a malformed command line; main prints the message and the command's usage.
struct UsageError {
    std::string message;
};

} // namespace kelvane::cli
