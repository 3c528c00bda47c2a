#include "app/command_line.h"
#include "app/help_pages.h"
#include "support/test_support.h"
#include "ui/ui_test_support.h"

#include <QFile>
#include <QStandardPaths>
#include <filesystem>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

TEST(DesktopCommandLine, TakesOneModelAndRefusesUnknownOptions) {
    struct Case {
        std::vector<std::string> arguments;
        int modelIndex;
        std::string error;
    };
    const Case cases[] = {
        {{"kelvane"}, -1, ""},
        {{"kelvane", "frame.s2k"}, 1, ""},
        {{"kelvane", "--", "-frame.s2k"}, 2, ""},
        {{"kelvane", "-"}, 1, ""},
        {{"kelvane", "--bogus", "frame.s2k"}, -1, "unknown option --bogus"},
        {{"kelvane", "a.s2k", "b.s2k"}, 1, "more than one model file: b.s2k"},
    };
    for (const Case& c : cases) {
        const DesktopArguments parsed = parseDesktopArguments(c.arguments);
        EXPECT_EQ(parsed.modelIndex, c.modelIndex) << c.arguments.back();
        EXPECT_EQ(parsed.error, c.error) << c.arguments.back();
    }
}

TEST(DesktopCommandLine, HelpAndVersionAreAnsweredWithoutADisplay) {
    const std::string kelvane = test::binPath("kelvane");
    // No display and no platform: the answer must come before Qt starts.
    const std::string environment =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME=/nowhere ";
    const test::CommandResult help = test::runCommand(environment + "'" + kelvane + "' -platform xcb --help");
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_EQ(help.out, desktopHelpText());

    const test::CommandResult version = test::runCommand(environment + "'" + kelvane + "' --version");
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out, desktopVersionText(KELVANE_VERSION, fs::path(kelvane).parent_path().string()));
    EXPECT_TRUE(version.out.starts_with(std::string("kelvane ") + KELVANE_VERSION + "\nOpenSees "))
        << version.out;

    EXPECT_FALSE(answerInformationOptions({"kelvane", "--", "--help"}, "1.0"));
    EXPECT_FALSE(answerInformationOptions({"kelvane", "frame.s2k"}, "1.0"));
}

TEST(DesktopCommandLine, RefusedArgumentsExitWithTwoAndAMessage) {
    const test::CommandResult result =
        test::runCommand("QT_QPA_PLATFORM=offscreen '" + test::binPath("kelvane") + "' --bogus");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("kelvane: unknown option --bogus\n"), std::string::npos) << result.err;
}

TEST(HelpPages, InstalledProgramOpensThePagesInstalledWithIt) {
    test::ensureApplication();
    QStandardPaths::setTestModeEnabled(true); // the copies go to a test cache folder
    test::TempDir prefix;
    fs::create_directories(prefix.path() / "bin");
    fs::create_directories(prefix.path() / "share/kelvane/help");
    const fs::path installed = prefix.path() / "share/kelvane/help/tutorial.html";
    test::writeFile(installed.string(), "<p>installed</p>");
    const QString bin = QString::fromStdString((prefix.path() / "bin").string());
    EXPECT_EQ(helpPageFile(QStringLiteral("tutorial.html"), bin).toStdString(), installed.string());

    // Without installed pages (the build tree), the page is copied out of the program.
    const QString copied = helpPageFile(QStringLiteral("about.html"), bin);
    QFile resource(QStringLiteral(":/help/about.html"));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    EXPECT_EQ(test::readFile(copied.toStdString()), resource.readAll().toStdString());
    QStandardPaths::setTestModeEnabled(false);
}

} // namespace
} // namespace kelvane
