#include "cli/command_registry.h"
#include "common/error.h"

#include <algorithm>
#include <exception>
#include <iostream>

namespace kelvane::cli {

std::vector<Command>& commands() {
    static std::vector<Command> all;
    return all;
}

RegisterCommand::RegisterCommand(const char* name, const char* usage, CommandFunction run) {
    commands().push_back({name, usage, run});
}

} // namespace kelvane::cli

namespace {

void printUsage(std::ostream& out) {
    auto all = kelvane::cli::commands();
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    out << "usage: kelvane-cli COMMAND [ARGS]\n";
    for (const auto& command : all)
        out << "  kelvane-cli " << command.usage << "\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace kelvane::cli;
    if (argc < 2) {
        printUsage(std::cerr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(std::cout);
        return 0;
    }
    const auto& all = commands();
    auto command = std::find_if(all.begin(), all.end(), [&](const Command& c) { return c.name == name; });
    if (command == all.end()) {
        std::cerr << "unknown command: " << name << "\n";
        printUsage(std::cerr);
        return 2;
    }
    try {
        return command->run(Arguments(argv + 2, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << error.message << "\nusage: kelvane-cli " << command->usage << "\n";
        return 2;
    } catch (const kelvane::KelvaneError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}
