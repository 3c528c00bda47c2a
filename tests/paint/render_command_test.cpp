#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <filesystem>

namespace kelvane {
namespace {

std::string render(const std::string& arguments) {
    return test::binPath("kelvane-cli") + " render " + arguments;
}

std::string example() { return std::string(KELVANE_SOURCE_DIR) + "/examples/three-storey-rc-frame.s2k"; }

TEST(RenderCommand, WritesThePictureAtTheAskedSize) {
    test::TempDir folder;
    const std::string out = folder.file("yz.png");
    const auto result = test::runCommand(render(example() + " -o " + out + " --view yz --size 320x240"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(320, 240));
    EXPECT_EQ(image.pixel(0, 120) & 0xFFFFFF, 0u);        // border
    EXPECT_EQ(image.pixel(160, 235) & 0xFFFFFF, 0xFFFFFFu); // below the model
}

std::string portal() {
    return test::dataPath("results/portal/portal.s2k");
}
std::string portalResults() {
    return " --results " + test::dataPath("results/portal");
}

// Each picture of the result windows, written as SVG so that its captions can be read back.
TEST(RenderCommand, EveryResultPictureIsDrawnWithItsCaption) {
    struct Case {
        std::string model, options, caption;
    };
    const Case cases[] = {
        {portal(), portalResults() + " --step 2 --scale 100", "Deformed shape, step 2, scale 100"},
        {portal(), portalResults() + " --mode 1 --scale 100", "Mode 1: T = 1.000 s, f = 1.000 Hz, scale 100"},
        {portal(), portalResults() + " --step 2 --section-component 2", "Curvature Kz, step 2"},
        {portal(), portalResults() + " --step 2 --scale 0 --forces M3",
         "largest -40.00 N\xC2\xB7mm on frame 1"},
        {portal(), portalResults() + " --step 2 --forces N --force-units kN --diagram-size 0.3",
         "N [kN], step 2"},
        {example(), " --view 3d --rotate 30,-60 --labels", ">65<"}, // the last frame's label
        {example(), " --load-case PUSH --view xz", ">60,0,0<"},     // 60 kN along X on the roof
    };
    for (const Case& c : cases) {
        test::TempDir folder;
        const std::string out = folder.file("picture.svg");
        const auto result = test::runCommand(render(c.model + " -o " + out + " --size 600x400" + c.options));
        ASSERT_EQ(result.exitCode, 0) << c.options << "\n" << result.err;
        EXPECT_NE(test::readFile(out).find(c.caption), std::string::npos)
            << c.options << ": no " << c.caption;
    }
}

TEST(RenderCommand, MalformedCommandLinesShowTheUsage) {
    for (const std::string& arguments :
         {std::string(""), example(), example() + " -o", example() + " -o x.png --view top",
          example() + " -o x.png --size 0x10", example() + " -o x.png --size 12",
          example() + " -o x.png --zoom", example() + " -o x.jpg", example() + " -o x.png --rotate 30,-60",
          example() + " -o x.png --step 1", example() + " -o x.png --results out",
          example() + " -o x.png --results out --mode 1 --forces M3",
          example() + " -o x.png --results out --step 1 --forces M4",
          example() + " -o x.png --results out --step 1 --force-units kN"}) {
        const auto result = test::runCommand(render(arguments));
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find("usage: kelvane-cli render MODEL.s2k"), std::string::npos) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
    }
}

TEST(RenderCommand, AnUnknownLoadCaseIsNamedAndNoPictureWritten) {
    test::TempDir folder;
    const auto result =
        test::runCommand(render(example() + " -o " + folder.file("x.png") + " --load-case Push"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "The model has no load case named 'Push'\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("x.png")));
}

TEST(RenderCommand, MissingModelFailsWithTheOpenMessageAlone) {
    test::TempDir folder;
    const std::string missing = folder.file("missing.s2k");
    const auto result = test::runCommand(render(missing + " -o " + folder.file("x.png")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Cannot open file \"" + missing + "\".", 0), 0u) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
}

} // namespace
} // namespace kelvane
