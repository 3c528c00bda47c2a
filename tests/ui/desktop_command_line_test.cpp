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

TEST(HelpPages, AnInstalledProgramReadsThePagesInstalledWithIt) {
    test::ensureApplication();
    test::TempDir prefix;
    fs::create_directories(prefix.path() / "bin");
    const QString bin = QString::fromStdString((prefix.path() / "bin").string());
    // Without installed pages (the build tree), the pages compiled into the program.
    EXPECT_EQ(helpPagesFolder(bin), ":/help");
    QFile resource(QStringLiteral(":/help/about.html"));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    EXPECT_TRUE(resource.readAll().contains("<title>About Kelvane</title>"));

    fs::create_directories(prefix.path() / "share/kelvane/help");
    test::writeFile((prefix.path() / "share/kelvane/help/tutorial.html").string(), "<p>installed</p>");
    EXPECT_EQ(helpPagesFolder(bin).toStdString(), (prefix.path() / "share/kelvane/help").string());
}

TEST(HelpPages, TheAboutPageNamesTheVersionAndTheSolverFound) {
    test::ensureApplication();
    test::TempDir empty;
    const QString lines =
        aboutProgramHtml(QStringLiteral("1.2"), QString::fromStdString(empty.path().string()));
    EXPECT_TRUE(lines.contains("<p>Kelvane version 1.2</p>")) << lines.toStdString();
    EXPECT_TRUE(lines.contains("<p>OpenSees")) << lines.toStdString();
    EXPECT_EQ(withInsertedBeforeBodyEnd(QStringLiteral("<html><body><p>a</p></BODY></html>"),
                                        QStringLiteral("<p>b</p>")),
              "<html><body><p>a</p><p>b</p></BODY></html>");
    EXPECT_EQ(withInsertedBeforeBodyEnd(QStringLiteral("<p>a</p>"), QStringLiteral("<p>b</p>")),
              "<p>a</p><p>b</p>");
}

} // namespace
} // namespace kelvane
