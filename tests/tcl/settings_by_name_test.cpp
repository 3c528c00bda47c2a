#include "common/error.h"
#include "tcl/settings_by_name.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace kelvane {
namespace {

TEST(SettingsByName, EveryFieldTakesItsValue) {
    AnalysisSettings a;
    RecorderSettings r;
    const std::pair<const char*, const char*> values[] = {{"analysisType", "9"},
                                                          {"loadControlCase", "2"},
                                                          {"dispControlCase", "3"},
                                                          {"loadSteps", "10"},
                                                          {"dispSteps", "20"},
                                                          {"loadFactor", "1.5E+000"},
                                                          {"controlDisp", "-.25"},
                                                          {"controlDof", "2"},
                                                          {"controlNode", "17"},
                                                          {"modalNumber", "4"},
                                                          {"rebarMaterial", "3"},
                                                          {"numIntgrPts", "5"},
                                                          {"genPlateFiber", "off"},
                                                          {"genMass", "0"},
                                                          {"useAggregator", "TRUE"},
                                                          {"nodeDisplacement", "false"},
                                                          {"elementForce", "on"},
                                                          {"sectionDeformation", "1"},
                                                          {"sectionStressStrain", "true"},
                                                          {"modalShape", "On"}};
    std::vector<std::string_view> names;
    for (const auto& [name, value] : values) {
        setSettingByName(a, r, name, value);
        names.emplace_back(name);
    }
    // The listed names (shown by the command line's completion) are exactly the settings stored.
    std::vector<std::string_view> listed = settingNames();
    std::sort(listed.begin(), listed.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(listed, names);
    EXPECT_EQ(std::make_tuple(a.analysisType, a.loadControlCase, a.dispControlCase, a.loadSteps, a.dispSteps,
                              a.controlDof, a.controlNode, a.modalNumber, a.rebarMaterial, a.numIntgrPts),
              std::make_tuple(9, 2, 3, 10, 20, 2, 17, 4, 3, 5));
    EXPECT_EQ(std::make_pair(a.loadFactor, a.controlDisp), std::make_pair(1.5, -0.25));
    EXPECT_EQ(std::make_tuple(a.genPlateFiber, a.genMass, a.useAggregator),
              std::make_tuple(false, false, true));
    EXPECT_EQ(std::make_tuple(r.nodeDisplacement, r.elementForce, r.sectionDeformation, r.sectionStressStrain,
                              r.modalShape),
              std::make_tuple(false, true, true, true, true));
}

TEST(SettingsByName, RefusesUnknownNamesAndUnconvertibleValues) {
    AnalysisSettings a;
    RecorderSettings r;
    auto message = [&](const char* name, const char* value) -> std::string {
        try {
            setSettingByName(a, r, name, value);
        } catch (const KelvaneError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(message("loadSteps", "1.5"), "'1.5' is not a valid integer value");
    EXPECT_EQ(message("loadFactor", "1,5"), "'1,5' is not a valid floating point value");
    EXPECT_EQ(message("genMass", "yes"),
              "'yes' is not a valid value for genMass (use 1/0, true/false or on/off)");
    EXPECT_EQ(message("LoadSteps", "5"), "Unknown setting 'LoadSteps'");
    EXPECT_EQ(a.loadSteps, 100);
    EXPECT_TRUE(a.genMass);
}

} // namespace
} // namespace kelvane
