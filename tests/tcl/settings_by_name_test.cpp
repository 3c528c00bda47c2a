#include "common/error.h"
#include "tcl/settings_by_name.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(SettingsByName, EveryFieldTakesItsValue) {
    AnalysisSettings a;
    RecorderSettings r;
    const std::pair<const char*, const char*> assignments[] = {
        {"analysisType", "9"},
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
        {"modalShape", "On"},
    };
    for (const auto& [name, value] : assignments)
        setSettingByName(a, r, name, value);
    EXPECT_EQ(a.analysisType, 9);
    EXPECT_EQ(a.loadControlCase, 2);
    EXPECT_EQ(a.dispControlCase, 3);
    EXPECT_EQ(a.loadSteps, 10);
    EXPECT_EQ(a.dispSteps, 20);
    EXPECT_DOUBLE_EQ(a.loadFactor, 1.5);
    EXPECT_DOUBLE_EQ(a.controlDisp, -0.25);
    EXPECT_EQ(a.controlDof, 2);
    EXPECT_EQ(a.controlNode, 17);
    EXPECT_EQ(a.modalNumber, 4);
    EXPECT_EQ(a.rebarMaterial, 3);
    EXPECT_EQ(a.numIntgrPts, 5);
    EXPECT_FALSE(a.genPlateFiber);
    EXPECT_FALSE(a.genMass);
    EXPECT_TRUE(a.useAggregator);
    EXPECT_FALSE(r.nodeDisplacement);
    EXPECT_TRUE(r.elementForce);
    EXPECT_TRUE(r.sectionDeformation);
    EXPECT_TRUE(r.sectionStressStrain);
    EXPECT_TRUE(r.modalShape);
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
    EXPECT_EQ(message("loadSteps", "abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(message("loadSteps", "1.5"), "'1.5' is not a valid integer value");
    EXPECT_EQ(message("loadFactor", "1,5"), "'1,5' is not a valid floating point value");
    EXPECT_THAT(message("genMass", "yes"), ::testing::HasSubstr("genMass"));
    EXPECT_EQ(message("LoadSteps", "5"), "Unknown setting 'LoadSteps'");
    EXPECT_EQ(a.loadSteps, 100);
    EXPECT_TRUE(a.genMass);
}

} // namespace
} // namespace kelvane
