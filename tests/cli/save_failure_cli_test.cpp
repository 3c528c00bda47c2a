// The command line's two writers, the script and the converted V14 file, under a file size limit
// that stops their stream part-way: the command fails with "Cannot create file" and the previous
// output file stays as it was.
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvane::test;

namespace {

// Runs kelvane-cli with writes past 1 KB failing (the shell ignores SIGXFSZ, so write() reports EFBIG).
CommandResult runLimited(const std::string& arguments) {
    return runCommand("trap '' XFSZ; ulimit -f 1; '" + binPath("kelvane-cli") + "' " + arguments);
}

TEST(SaveFailureCli, ScriptAndConvertedFileKeepThePreviousOutput) {
    TempDir folder;
    struct Command {
        const char* name;
        std::string arguments;
        std::string output;
    };
    const Command commands[] = {
        {"tcl", "tcl '" + dataPath("solver/portal.s2k") + "' -o '" + folder.file("portal.tcl") + "'",
         folder.file("portal.tcl")},
        {"v14", "v14 '" + dataPath("v14/two_bricks.s2k") + "' -o '" + folder.file("bricks.s2k") + "'",
         folder.file("bricks.s2k")},
    };
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        writeFile(command.output, "previous\r\n");
        const CommandResult result = runLimited(command.arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "Cannot create file \"" + command.output + "\". File too large\n");
        EXPECT_EQ(readFile(command.output), "previous\r\n");
    }
}

} // namespace
