#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "script/script_generator.h"
#include "script/settings_by_name.h"
#include "support/golden_cases.h"
#include "support/test_support.h"

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

class GoldenScript : public ::testing::TestWithParam<test::GoldenCase> {};

// The Tcl script and its Python twin, each against its golden file.
TEST_P(GoldenScript, MatchesTheApprovedScript) {
    const test::GoldenCase& c = GetParam();
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

INSTANTIATE_TEST_SUITE_P(Models, GoldenScript, ::testing::ValuesIn(test::kGoldenCases),
                         [](const ::testing::TestParamInfo<test::GoldenCase>& param) {
                             return param.param.name;
                         });

} // namespace
} // namespace kelvane
