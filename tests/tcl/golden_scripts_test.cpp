#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "support/test_support.h"
#include "tcl/script_generator.h"
#include "tcl/settings_by_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

// Whole scripts compared byte for byte with the approved copies in tests/golden/tcl. A mismatch
// prints the first differing lines and leaves NAME.received.tcl beside the golden;
// scripts/approve-golden.sh copies received files over the goldens after a deliberate change.
namespace kelvane {
namespace {

struct GoldenCase {
    std::string name;
    std::string model; // relative to the source folder
    std::vector<std::pair<std::string, std::string>> settings;
};

const std::string kExample = "examples/three-storey-rc-frame.s2k";
const std::string kMixed = "tests/data/tcl/mixed_sections.s2k";
const std::string kGrid = "tests/data/tcl/grid_two_storeys.s2k";
const std::string kSolids = "tests/data/tcl/solid_block.s2k";

// The mixed model's second section as a beam with three top and two bottom bars, and a few other
// window settings, so that the beam mesh, the hinge lengths and every transformation appear.
const std::vector<std::pair<std::string, std::string>> kMixedWindowSettings = {
    {"section.2.sectionKind", "1"}, {"section.2.barNumNX", "3"},    {"section.2.barNumNY", "2"},
    {"section.2.topBar", "900"},    {"section.2.bottomBar", "600"}, {"section.1.geomTransf", "2"},
    {"section.1.divideFX", "3"},    {"section.1.divideFY", "4"},    {"section.3.hingeLengthI", "350.6"},
    {"section.3.geomTransf", "3"},  {"section.5.divideFX", "8"},
};

std::vector<std::pair<std::string, std::string>> with(std::vector<std::pair<std::string, std::string>> base,
                                                      std::vector<std::pair<std::string, std::string>> more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

const GoldenCase kCases[] = {
    {"example_load_control", kExample, {}},
    {"example_disp_control",
     kExample,
     {{"analysisType", "2"},
      {"dispControlCase", "2"},
      {"controlNode", "39"},
      {"controlDisp", "0.5"},
      {"dispSteps", "40"}}},
    {"example_gravity_pushover",
     kExample,
     {{"analysisType", "3"},
      {"loadControlCase", "1"},
      {"dispControlCase", "2"},
      {"controlNode", "39"},
      {"loadSteps", "10"},
      {"sectionDeformation", "on"}}},
    {"example_modal", kExample, {{"analysisType", "4"}, {"modalShape", "on"}, {"modalNumber", "3"}}},
    {"example_time_history", kExample, {{"analysisType", "5"}, {"elementForce", "on"}}},
    {"example_gravity_time_history", kExample, {{"analysisType", "6"}, {"loadFactor", "0.5"}}},
    {"example_multi_support", kExample, {{"analysisType", "7"}}},
    {"mixed_aggregator", kMixed,
     with(kMixedWindowSettings, {{"useAggregator", "on"}, {"rebarMaterial", "1"}})},
    {"mixed_no_plate_no_mass", kMixed,
     with(kMixedWindowSettings, {{"genPlateFiber", "off"},
                                 {"genMass", "off"},
                                 {"analysisType", "3"},
                                 {"dispControlCase", "2"},
                                 {"controlNode", "9"},
                                 {"numIntgrPts", "5"}})},
    {"grid_all_recorders",
     kGrid,
     {{"nodeDisplacement", "on"},
      {"elementForce", "on"},
      {"sectionDeformation", "on"},
      {"sectionStressStrain", "on"},
      {"modalShape", "on"},
      {"modalNumber", "2"},
      {"numIntgrPts", "4"},
      {"analysisType", "4"}}},
    {"solid_block", kSolids, {}},
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

std::string describeDifference(const std::string& expected, const std::string& received) {
    const std::vector<std::string> a = splitLines(expected), b = splitLines(received);
    std::ostringstream out;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) && shown < 12; ++i) {
        const std::string* left = i < a.size() ? &a[i] : nullptr;
        const std::string* right = i < b.size() ? &b[i] : nullptr;
        if (left && right && *left == *right)
            continue;
        out << "line " << i + 1 << "\n  golden:   " << (left ? "[" + *left + "]" : "(none)")
            << "\n  received: " << (right ? "[" + *right + "]" : "(none)") << "\n";
        ++shown;
    }
    if (shown == 0)
        out << "same lines, different line ends or final terminator\n";
    return out.str();
}

// Compares a script with its approved golden file; a difference leaves the received script beside it.
void expectGolden(const std::string& name, const std::string& folder, const std::string& extension,
                  const std::string& received) {
    const std::string golden = test::goldenPath(folder + "/" + name + extension);
    const std::string receivedPath = test::goldenPath(folder + "/" + name + ".received" + extension);
    const std::string expected = std::filesystem::exists(golden) ? test::readFile(golden) : std::string();
    if (received == expected) {
        std::filesystem::remove(receivedPath);
        return;
    }
    std::filesystem::create_directories(std::filesystem::path(receivedPath).parent_path());
    test::writeFile(receivedPath, received);
    ADD_FAILURE() << (expected.empty() ? "no golden yet: " : "script differs from ") << golden << "\n"
                  << describeDifference(expected, received) << "received script left in " << receivedPath
                  << "\n(scripts/approve-golden.sh " << name << " approves it after review)";
}

class GoldenScript : public ::testing::TestWithParam<GoldenCase> {};

// The Tcl script and its Python twin, each against its golden file.
TEST_P(GoldenScript, MatchesTheApprovedScript) {
    const GoldenCase& c = GetParam();
    ModelStore store;
    AnalysisSettings analysis;
    RecorderSettings recorders;
    importS2kFile(store, initPalette(), std::string(KELVANE_SOURCE_DIR) + "/" + c.model);
    for (const auto& [name, value] : c.settings)
        setNamedValue(store, analysis, recorders, name, value);

    const struct {
        ScriptLanguage language;
        const char* folder;
        const char* extension;
    } languages[] = {{ScriptLanguage::Tcl, "tcl", ".tcl"}, {ScriptLanguage::Python, "py", ".py"}};
    for (const auto& [language, folderName, extension] : languages) {
        ModelStore model = store, sameModel = store;
        test::TempDir folder;
        saveLinesCrLf(folder.file("script"), generateScript(model, analysis, recorders, language));
        const std::string received = test::readFile(folder.file("script"));
        // The streamed form, which the command line saves, gives the same bytes.
        saveScript(folder.file("streamed"), sameModel, analysis, recorders, language);
        EXPECT_EQ(test::readFile(folder.file("streamed")), received) << folderName;
        expectGolden(c.name, folderName, extension, received);
    }
}

INSTANTIATE_TEST_SUITE_P(Models, GoldenScript, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) { return param.param.name; });

} // namespace
} // namespace kelvane
