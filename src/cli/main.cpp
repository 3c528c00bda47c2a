#include "cli/bash_completion.h"
#include "cli/command_registry.h"
#include "cli/help_text.h"
#include "cli/man_page.h"
#include "solver/solver_location.h"
#include "solver/solver_version.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <utility>

namespace kelvane::cli {

std::vector<Command>& commands() {
    static std::vector<Command> all;
    return all;
}

std::vector<Command> commandsByName() {
    std::vector<Command> all = commands();
    std::sort(all.begin(), all.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    return all;
}

RegisterCommand::RegisterCommand(Command command) {
    commands().push_back(std::move(command));
}

} // namespace kelvane::cli

namespace {

using namespace kelvane::cli;

const Command* findCommand(const std::string& name) {
    const auto& all = commands();
    const auto found = std::find_if(all.begin(), all.end(), [&](const Command& c) { return c.name == name; });
    return found == all.end() ? nullptr : &*found;
}

int malformed(const std::string& message) {
    std::cerr << "kelvane-cli: " << message << "\nRun 'kelvane-cli --help' for the commands.\n";
    return 2;
}

int runCommand(const Command& command, const Arguments& arguments) {
    if (std::any_of(arguments.begin(), arguments.end(),
                    [](const std::string& a) { return a == "--help" || a == "-h"; })) {
        printCommandHelp(std::cout, command);
        return 0;
    }
    try {
        return command.run(arguments);
    } catch (const UsageError& error) {
        std::cerr << error.message << "\nusage: kelvane-cli " << command.usage << "\nRun 'kelvane-cli "
                  << command.name << " --help' for its options.\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printProgramHelp(std::cerr, commandsByName());
        return 2;
    }
    const std::string first = argv[1];
    const Arguments rest(argv + 2, argv + argc);
    const bool programOption = first == "--version" || first == "--man-page" || first == "--bash-completion";
    if (programOption && !rest.empty())
        return malformed(first + " takes no further arguments");
    if (first == "help" && rest.size() > 1)
        return malformed("help takes one command name");
    if (first == "--help" || first == "-h" || (first == "help" && rest.empty())) {
        printProgramHelp(std::cout, commandsByName());
        return 0;
    }
    if (first == "help") { // help COMMAND
        const Command* command = findCommand(rest[0]);
        if (command == nullptr)
            return malformed("unknown command: " + rest[0]);
        printCommandHelp(std::cout, *command);
        return 0;
    }
    if (first == "--version") {
        const kelvane::SolverSearch search =
            kelvane::solverSearchFromEnvironment(kelvane::runningProgramFolder());
        std::cout << "kelvane-cli " << KELVANE_VERSION << "\n" << kelvane::solverVersionLine(search) << "\n";
        return 0;
    }
    if (first == "--man-page") {
        printManPage(std::cout, commandsByName(), KELVANE_VERSION);
        return 0;
    }
    if (first == "--bash-completion") {
        printBashCompletion(std::cout, commandsByName());
        return 0;
    }
    if (first.starts_with("-"))
        return malformed("unknown option: " + first);
    const Command* command = findCommand(first);
    if (command == nullptr)
        return malformed("unknown command: " + first);
    return runCommand(*command, rest);
}
