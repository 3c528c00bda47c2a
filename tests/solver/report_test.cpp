#include "report/base64.h"
#include "solver/solver_fixture.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

// The HTML report of a run through the real solver: the steel cantilever of
// tests/data/solver/cantilever.s2k with a fiber section, pushed 30 mm at its tip, past the 17 mm at
// which its base yields.
namespace kelvane::test {
namespace {

using ::testing::HasSubstr;

class ReportTest : public SolverTest {};

TEST(Base64, EncodesTheVectorsOfItsStandard) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {std::string("\xff\x00\x80", 3), "/wCA"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(base64Encode(bytes), text) << bytes;
}

TEST_F(ReportTest, HoldsTheModelTheSettingsTheCurveTheDamageAndThePlaceOfTheDrifts) {
    const std::vector<std::string> settings{"material.1.model=Steel01",
                                            "material.1.Fy=250",
                                            "material.1.E0=200000",
                                            "material.1.b=0.001",
                                            "section.1.elementType=2",
                                            "section.1.barNumNX=0",
                                            "section.1.barNumNY=0",
                                            "section.1.divideFX=2",
                                            "section.1.divideFY=40",
                                            "numIntgrPts=3",
                                            "analysisType=2",
                                            "dispControlCase=1",
                                            "controlNode=2",
                                            "controlDof=3",
                                            "controlDisp=-1",
                                            "dispSteps=30",
                                            "sectionStressStrain=1",
                                            "baseReactions=1"};
    ASSERT_FALSE(writeAndRun(dataPath("solver/cantilever.s2k"), settings).empty());
    std::string options;
    for (const std::string& setting : settings)
        options += " --set " + setting;
    const CommandResult written = runCommand(
        shellQuoted(binPath("kelvane-cli")) + " report " + shellQuoted(dataPath("solver/cantilever.s2k")) +
        " " + shellQuoted(folder()) + " -o " + shellQuoted(file("report.html")) + options);
    ASSERT_EQ(written.exitCode, 0) << written.err;
    const std::string html = readFile(file("report.html"));
    const std::vector<std::string> parts{
        // The model's summary, as info prints it, and the settings the script was written with.
        "<tr><th>nodeCount</th><td class=\"number\">2</td></tr>",
        "<tr><th>frameCount</th><td class=\"number\">1</td></tr>",
        "<tr><th>analysisType</th><td class=\"number\">2</td></tr>",
        "<tr><th>controlNode</th><td class=\"number\">2</td></tr>",
        // The pushover curve and the damage picture, embedded as PNG.
        "<figcaption>Pushover curve",
        "<figcaption>Damage at step 30",
        // The base alone yielded.
        "<tr><th>sections</th><td class=\"number\">3</td></tr>",
        "<tr><th>steel_yielded</th><td class=\"number\">1</td></tr>",
        "<tr><th>cover_spalled</th><td class=\"number\">0</td></tr>",
        "<h2 id=\"drifts\">Storey drifts and target displacement</h2>",
        "@media print",
    };
    for (const std::string& part : parts)
        EXPECT_THAT(html, HasSubstr(part));
    std::size_t pictures = 0;
    for (std::size_t at = html.find("data:image/png;base64,iVBORw0KGgo"); at != std::string::npos;
         at = html.find("data:image/png;base64,iVBORw0KGgo", at + 1))
        ++pictures;
    EXPECT_EQ(pictures, 2u);
    EXPECT_EQ(html.find("not drawn"), std::string::npos);
}

} // namespace
} // namespace kelvane::test
