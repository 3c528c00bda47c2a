#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <QString>

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

TEST(RenderCommand, MalformedCommandLinesShowTheUsage) {
    for (const std::string& arguments :
         {std::string(""), example(), example() + " -o", example() + " -o x.png --view top",
          example() + " -o x.png --size 0x10", example() + " -o x.png --size 12", example() + " -o x.png --zoom"}) {
        const auto result = test::runCommand(render(arguments));
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find("usage: kelvane-cli render MODEL.s2k"), std::string::npos) << arguments;
    }
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
