#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

using namespace kelvane::test;

namespace {

namespace fs = std::filesystem;

CommandResult cli(const std::string& arguments) {
    return runCommand("'" + binPath("kelvane-cli") + "' " + arguments);
}

// The lines of a help text between a heading ("Options:") and the next heading or blank line.
std::vector<std::string> section(const std::string& help, const std::string& heading) {
    std::vector<std::string> lines;
    std::istringstream in(help);
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line == heading)
            inside = true;
        else if (line.empty() || line[0] != ' ')
            inside = false;
        else if (inside)
            lines.push_back(line);
    }
    return lines;
}

std::string firstWord(const std::string& line) {
    std::istringstream in(line);
    std::string word;
    in >> word;
    return word;
}

// The option names of a usage line: "-o", "--view", ... without brackets or the parentheses of a choice.
std::set<std::string> usageOptions(const std::string& usage) {
    std::set<std::string> options;
    std::istringstream in(usage);
    for (std::string word; in >> word;) {
        const auto start = word.find_first_not_of("[(");
        if (start != std::string::npos && word[start] == '-')
            options.insert(word.substr(start, word.find_first_of("])", start) - start));
    }
    return options;
}

std::vector<std::string> commandNames() {
    std::vector<std::string> names;
    for (const std::string& line : section(cli("--help").out, "Commands:"))
        names.push_back(firstWord(line));
    return names;
}

TEST(CliHelp, EveryCommandAnswersHelpWithEveryOptionOfItsUsage) {
    const CommandResult help = cli("--help");
    EXPECT_EQ(help.exitCode, 0);
    const std::vector<std::string> names = commandNames();
    EXPECT_GE(names.size(), 6u) << help.out;
    for (const std::string& name : names) {
        const CommandResult result = cli(name + " --help");
        EXPECT_EQ(result.exitCode, 0) << name;
        EXPECT_EQ(result.err, "") << name;
        ASSERT_TRUE(result.out.starts_with("usage: kelvane-cli " + name + " ")) << result.out;
        std::set<std::string> documented;
        for (const std::string& line : section(result.out, "Options:")) {
            std::istringstream words(line);
            for (std::string word; words >> word && word[0] == '-';)
                documented.insert(word.substr(0, word.find(',')));
        }
        EXPECT_TRUE(documented.count("--help")) << name;
        const std::string usage = result.out.substr(0, result.out.find('\n'));
        for (const std::string& option : usageOptions(usage))
            EXPECT_TRUE(documented.count(option)) << name << " does not document " << option;
        // Each line of an argument or option has its meaning beside it.
        for (const std::string& line : section(result.out, "Options:"))
            EXPECT_NE(line.find("   "), std::string::npos) << name << ": " << line;
        EXPECT_EQ(cli("help " + name).out, result.out);
        EXPECT_EQ(cli(name + " -h").out, result.out);
    }
}

TEST(CliHelp, MalformedCommandLinesGoToStandardErrorWithTwo) {
    for (const char* arguments :
         {"", "bogus", "--bogus", "--version extra", "help bogus", "info a.s2k b.s2k"}) {
        const CommandResult result = cli(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_FALSE(result.err.empty()) << arguments;
    }
    EXPECT_NE(cli("info a.s2k b.s2k").err.find("usage: kelvane-cli info MODEL.s2k\n"), std::string::npos);
}

TEST(CliVersion, NamesTheProgramVersionAndTheSolverFound) {
    const CommandResult beside = cli("--version");
    EXPECT_EQ(beside.exitCode, 0) << beside.err;
    EXPECT_TRUE(beside.out.starts_with(std::string("kelvane-cli ") + KELVANE_VERSION + "\nOpenSees "));
    EXPECT_NE(beside.out.find("(" + binPath("opensees") + ")\n"), std::string::npos) << beside.out;

    // A copy of the program with no solver anywhere: --version and run say how to install one.
    TempDir program, data;
    const fs::path copy = program.path() / "kelvane-cli";
    fs::copy_file(binPath("kelvane-cli"), copy);
    const std::string environment =
        "env XDG_DATA_HOME='" + data.path().string() + "' PATH=/nonexistent '" + copy.string() + "' ";
    const std::string message =
        "The OpenSees solver \"opensees\" was found neither in the program folder \"" +
        program.path().string() + "\", nor in \"" + data.path().string() +
        "/kelvane/bin\", nor on the PATH. To install it for your user, run: "
        "kelvane-install-solver\n";
    const CommandResult missing = runCommand(environment + "--version");
    EXPECT_EQ(missing.exitCode, 0) << missing.err;
    EXPECT_EQ(missing.out,
              std::string("kelvane-cli ") + KELVANE_VERSION + "\nOpenSees: not found. " + message);
    writeFile(program.file("frame.tcl"), "puts hello\n");
    const CommandResult run = runCommand(environment + "run '" + program.file("frame.tcl") + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, message);
}

} // namespace
