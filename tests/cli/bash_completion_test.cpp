#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace kelvane::test;

namespace {

// Completes each command line (its words, the last being completed) with the script kelvane-cli
// writes, in a folder holding a few files; returns the candidates of each, joined by '|'.
std::vector<std::string> complete(const std::vector<std::string>& lines) {
    TempDir folder;
    const std::string script = folder.file("kelvane-cli.bash");
    const CommandResult written = runCommand("'" + binPath("kelvane-cli") + "' --bash-completion");
    EXPECT_EQ(written.exitCode, 0) << written.err;
    writeFile(script, written.out);
    std::string driver =
        "source '" + script +
        "'\n"
        "complete_line() { COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMPREPLY=()\n"
        "  _kelvane_cli; local IFS='|'; echo \"${COMPREPLY[*]}\"; }\n"
        "mkdir work && cd work && mkdir sub && touch 'a frame.s2k' 'b.$2k' c.tcl d.png e.txt\n";
    for (const std::string& line : lines)
        driver += "complete_line kelvane-cli " + line + "\n";
    writeFile(folder.file("driver.sh"), driver);
    const CommandResult result = runCommand("cd '" + folder.path().string() + "' && bash driver.sh");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> answers;
    std::size_t start = 0;
    for (std::size_t end; (end = result.out.find('\n', start)) != std::string::npos; start = end + 1)
        answers.push_back(result.out.substr(start, end - start));
    return answers;
}

TEST(BashCompletion, OffersCommandsOptionsValuesFilesAndSettingNames) {
    const std::pair<std::string, std::string> cases[] = {
        {"r", "render|report|results|run"},
        {"--v", "--version"},
        {"help t", "tcl"},
        {"info ''", "sub|a frame.s2k|b.$2k"},
        {"run ''", "sub|c.tcl"},
        {"render m.s2k -o ''", "sub|d.png"},
        {"render m.s2k --view x", "xy|xz"},
        {"render m.s2k --",
         "--help|--view|--rotate|--size|--labels|--load-case|--load-type|--results|--step|--mode|"
         "--scale|--section-component|--forces|--force-units|--diagram-size|--damage|--yield-strain|--"
         "spalling-strain|--crushing-strain|--rebar-ultimate-strain|--project|--set"},
        {"results m.s2k out --section-component ''", "1|2|3"},
        {"tcl m.s2k --set loadS", "loadSteps="},
        {"tcl m.s2k --set sec", "sectionDeformation=|sectionStressStrain=|section."},
        {"tcl m.s2k --set section.3.hinge", "section.3.hingeLengthI=|section.3.hingeLengthJ="},
        {"results m.s2k out --set modal", "modalNumber=|modalShape="},
        {"v14 in.s2k -o ''", "sub|a frame.s2k|b.$2k"},
        {"batch ''", "plan|run|submit|status|collect"},
        {"batch s", "submit|status"},
        {"batch run ''", "sub|a frame.s2k|b.$2k"},
        {"batch plan m.s2k --set thS", "thSteps="},
    };
    std::vector<std::string> lines;
    for (const auto& [line, expected] : cases)
        lines.push_back(line);
    const std::vector<std::string> answers = complete(lines);
    ASSERT_EQ(answers.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(answers[i], cases[i].second) << "kelvane-cli " << lines[i];
}

} // namespace
