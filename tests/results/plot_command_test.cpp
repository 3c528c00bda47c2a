#include "results_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

class PlotCommandTest : public ::testing::Test {
  protected:
    test::CommandResult plot(const std::string& options) {
        return test::runCommand("'" + test::binPath("kelvane-cli") + "' plot '" +
                                test::resultsData("portal/portal.s2k") + "' '" +
                                test::resultsData("pushover") + "' " + options);
    }
    // Plots into OUT and returns what was written ("" when the command failed).
    std::string plotted(const std::string& options, const std::string& name) {
        const std::string out = dir.file(name);
        const test::CommandResult result = plot(options + " -o '" + out + "'");
        EXPECT_EQ(result.exitCode, 0) << options << ": " << result.err;
        return result.exitCode == 0 ? test::readFile(out) : "";
    }
    test::TempDir dir;
};

TEST_F(PlotCommandTest, WritesTheNumbersOfEveryCurveWithAHeaderLine) {
    EXPECT_EQ(plotted("--pushover --dof 1 --joint 3", "push.csv"),
              "control displacement,base shear\r\n0,0\r\n2,50\r\n4,100\r\n6,150\r\n");
    // The control joint comes from the settings the script was written with.
    EXPECT_EQ(plotted("--pushover --dof 1 --set controlNode=4", "push4.csv"),
              "control displacement,base shear\r\n0,0\r\n1.9,50\r\n3.9,100\r\n5.9,150\r\n");
    EXPECT_EQ(plotted("--joint 3 --dof 3", "history.csv"),
              "step,displacement\r\n1,-0.0001\r\n2,-0.0002\r\n3,-0.0003\r\n");
    EXPECT_EQ(plotted("--joint 4 --dof 1 --against load-factor", "factor.csv"),
              "load factor,displacement\r\n0.5,1.9\r\n1,3.9\r\n1.5,5.9\r\n");
    EXPECT_EQ(plotted("--base-shear --dof 3", "vertical.csv"),
              "time,base shear\r\n0.5,0\r\n1,0\r\n1.5,0\r\n");
    EXPECT_EQ(plotted("--base-shear --dof 1 --against step", "shear.csv"),
              "step,base shear\r\n1,50\r\n2,100\r\n3,150\r\n");
    const std::string periods = plotted("--periods", "periods.csv");
    EXPECT_EQ(periods.substr(0, periods.find("\r\n")), "mode,eigenvalue,period,frequency");
    EXPECT_NE(periods.find("\r\n2,157.91367,0.5000000"), std::string::npos) << periods;
}

TEST_F(PlotCommandTest, DrawsPngAndSvgPictures) {
    const test::CommandResult png =
        plot("--pushover --dof 1 --joint 3 --size 640x480 -o '" + dir.file("p.png") + "'");
    EXPECT_EQ(png.exitCode, 0) << png.err;
    EXPECT_EQ(png.out, "wrote " + dir.file("p.png") + " (4 points)\n");
    EXPECT_EQ(test::readFile(dir.file("p.png")).substr(0, 8), "\x89PNG\r\n\x1a\n");
    const std::string svg = plotted("--periods", "periods.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Periods of the modes"), std::string::npos);
}

TEST_F(PlotCommandTest, MalformedRequestsAreUsageErrorsAndUnreadableFilesFail) {
    for (const char* options : {"--dof 1 -o x.csv", "--pushover -o x.csv", "--periods --dof 1 -o x.csv",
                                "--joint 3 --dof 1 -o x.txt", "--joint 3 --dof 1 --against days -o x.csv",
                                "--pushover --periods -o x.csv", "--joint 3 --dof 1 --size 5x5 -o x.png"}) {
        const test::CommandResult result = plot(options);
        EXPECT_EQ(result.exitCode, 2) << options;
        EXPECT_NE(result.err.find("usage: kelvane-cli plot"), std::string::npos)
            << options << ": " << result.err;
    }
    const test::CommandResult missing = plot("--joint 9 --dof 1 -o '" + dir.file("x.csv") + "'");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Joint 9 is not a joint of the model, whose joints are numbered 1 to 4\n");
}

} // namespace
} // namespace kelvane
