#pragma once

#include <string>
#include <vector>

// Each sub-command of kelvane-cli lives in a file of its own and registers itself here.
namespace kelvane::cli {

using Arguments = std::vector<std::string>;
using CommandFunction = int (*)(const Arguments& args);

struct Command {
    std::string name;
    std::string usage;
    CommandFunction run = nullptr;
};

std::vector<Command>& commands();

struct RegisterCommand {
    RegisterCommand(const char* name, const char* usage, CommandFunction run);
};

// Raised for a malformed command line; main prints the message and the command's usage.
struct UsageError {
    std::string message;
};

} // namespace kelvane::cli
