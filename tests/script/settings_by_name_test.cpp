#include "common/error.h"
#include "script/model_builder.h"
#include "script/setting_use.h"
#include "script/settings_by_name.h"
#include "script/settings_fit.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
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
                                                          {"modalShape", "On"},
                                                          {"baseReactions", "on"},
                                                          {"gmFile", "records/RSN1063_NORTHR.AT2"},
                                                          {"gmDt", "0.005"},
                                                          {"gmFactor", "1.5"},
                                                          {"gmDirection", "2"},
                                                          {"thDt", "0.01"},
                                                          {"thSteps", "4000"},
                                                          {"dampingRatio", "0.03"},
                                                          {"dampingMode", "3"},
                                                          {"pushPattern", "1"},
                                                          {"gravityCases", "DEAD:1,LIVE:0.25"},
                                                          {"stepTolerance", "1e-5"},
                                                          {"stepIterations", "40"},
                                                          {"minStepFraction", "0.125"},
                                                          {"elementIterations", "30"},
                                                          {"capacityDrop", "0.7"},
                                                          {"collapseDrift", "0.05"}};
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
    EXPECT_EQ(a.gmFile, "records/RSN1063_NORTHR.AT2");
    EXPECT_EQ(std::make_tuple(a.gmDt, a.gmFactor, a.gmDirection, a.thDt, a.thSteps, a.dampingRatio),
              std::make_tuple(0.005, 1.5, 2, 0.01, 4000, 0.03));
    EXPECT_EQ(std::make_tuple(a.dampingMode, a.pushPattern, a.gravityCases),
              std::make_tuple(3, 1, std::string("DEAD:1,LIVE:0.25")));
    EXPECT_EQ(std::make_tuple(a.stepTolerance, a.minStepFraction, a.collapseDrift),
              std::make_tuple(1e-5, 0.125, 0.05));
    EXPECT_EQ(std::make_tuple(a.genPlateFiber, a.genMass, a.useAggregator),
              std::make_tuple(false, false, true));
    EXPECT_EQ(std::make_tuple(r.nodeDisplacement, r.elementForce, r.sectionDeformation, r.sectionStressStrain,
                              r.modalShape, r.baseReactions),
              std::make_tuple(false, true, true, true, true, true));
}

// settingValues is what a project file keeps: every value reads back to the same setting.
TEST(SettingsByName, ValuesReadBackToTheSameSettings) {
    AnalysisSettings a;
    RecorderSettings r;
    a.analysisType = 3;
    a.loadFactor = 0.1 + 0.2;
    a.controlDisp = -1e-7;
    a.useAggregator = true;
    a.gmFile = "motions/GM-2.txt";
    a.thDt = 0.1 + 0.2;
    r.modalShape = true;
    AnalysisSettings readA;
    RecorderSettings readR;
    readR.nodeDisplacement = false;
    for (const auto& [name, value] : settingValues(a, r))
        setSettingByName(readA, readR, name, value);
    EXPECT_EQ(readA.analysisType, 3);
    EXPECT_EQ(readA.loadFactor, a.loadFactor);
    EXPECT_EQ(readA.controlDisp, a.controlDisp);
    EXPECT_TRUE(readA.useAggregator);
    EXPECT_EQ(readA.gmFile, a.gmFile);
    EXPECT_EQ(readA.thDt, a.thDt);
    EXPECT_TRUE(readR.modalShape);
    EXPECT_TRUE(readR.nodeDisplacement);
}

TEST(SettingsByName, NamedValuesReachMaterialsAndSections) {
    ModelStore store;
    store.materials.resize(3);
    store.materials[1].name = "STEEL";
    store.materials[1].model = ModelElastic;
    store.materials[1].designType = DesignSteel;
    store.materials[1].fy = 355;
    store.materials[1].e = 200000;
    store.materials[2].name = "TIMBER";
    store.materials[2].model = ModelElastic;
    store.materialCount = 2;
    store.frameSections.resize(2);
    store.frameSectionCount = 1;
    AnalysisSettings a;
    RecorderSettings r;
    std::vector<std::string> notes;
    setNamedValue(store, a, r, "materialDefaults", "nonlinear", &notes);
    EXPECT_EQ(store.materials[1].model, ModelSteel02);
    EXPECT_TRUE(notes.empty());
    setNamedValue(store, a, r, "material.1.model", "Steel01");
    setNamedValue(store, a, r, "material.1.b", "0.02");
    EXPECT_EQ(store.materials[1].parameters.b, 0.02);
    setNamedValue(store, a, r, "addMaterial", "CONFINED");
    setNamedValue(store, a, r, "section.1.coreMaterial", "CONFINED");
    setNamedValue(store, a, r, "section.1.rebarMaterial", "1");
    EXPECT_EQ(store.frameSections[1].coreMaterial, 3);
    EXPECT_EQ(store.frameSections[1].rebarMaterial, 1);

    auto message = [&](const char* name, const char* value) -> std::string {
        try {
            setNamedValue(store, a, r, name, value);
        } catch (const KelvaneError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(message("material.4.model", "Steel01"), "Material 4 does not exist: the model has 3 materials");
    EXPECT_EQ(message("material.x", "1"), "'material.x' does not name a material field (material.K.FIELD)");
    EXPECT_EQ(message("section.1.coreMaterial", "4"), "Material 4 does not exist: the model has 3 materials");
    EXPECT_EQ(message("section.1.coreMaterial", "GLASS"), "The model has no material named 'GLASS'");
    EXPECT_EQ(message("materialDefaults", "elastic"),
              "'elastic' is not a value for materialDefaults (nonlinear)");
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
    // Each of these would break or change the script's Tcl lines.
    for (const char* name : {"my record.txt", "a\"b.txt", "C:\\gm\\GMX.txt", "$env.txt", "[exec rm].txt",
                             "{a}.txt", "a;b.txt", "tab\there.txt"})
        EXPECT_TRUE(message("gmFile", name)
                        .starts_with("The ground-motion record file name \"" + std::string(name) +
                                     "\" holds a character the script cannot carry"))
            << name;
    EXPECT_EQ(message("gmFile", ""), "The ground-motion record file (gmFile) is not named");
    EXPECT_EQ(a.gmFile, "GMX.txt");
    for (const auto& [value, term] :
         {std::pair{"DEAD", "DEAD"}, {"DEAD:1.0,LIVE:x", "LIVE:x"}, {"DEAD:1,", ""}})
        EXPECT_EQ(
            message("gravityCases", value),
            "'" + std::string(term) +
                "' in gravityCases is not a load case and its factor (NAME:FACTOR, e.g. DEAD:1.0,LIVE:0.25)");
    EXPECT_EQ(a.gravityCases, "");
}

// The list `kelvane-cli settings` prints comes from the same table: every name, in order, with a
// meaning, its default as settingValues writes it, and the units of the model (N, mm, s).
TEST(SettingsByName, EverySettingIsDescribedWithItsDefaultAndUnit) {
    const std::vector<SettingDescription> described = settingDescriptions();
    const auto defaults = settingValues(AnalysisSettings{}, RecorderSettings{});
    const std::vector<std::string_view> names = settingNames();
    ASSERT_EQ(described.size(), names.size());
    for (std::size_t i = 0; i < described.size(); ++i) {
        EXPECT_EQ(described[i].name, names[i]);
        EXPECT_EQ(described[i].defaultValue, defaults[i].second) << names[i];
        EXPECT_FALSE(described[i].meaning.empty()) << names[i];
    }
    EXPECT_EQ(settingUnit("controlDisp"), "mm");
    EXPECT_EQ(settingUnit("thDt"), "s");
    EXPECT_EQ(settingUnit("dispSteps"), "");
    EXPECT_TRUE(settingUsedBy("controlDisp", GravityPushOver));
    EXPECT_FALSE(settingUsedBy("controlDisp", TimeHistoryAnalysis));
    EXPECT_FALSE(settingUsedBy("gmFile", MultipleSupportExcitation));
    EXPECT_TRUE(settingUsedBy("genMass", ModalAnalysis));
}

// Settings carried over from a larger model: what the new one lacks is reset and named, the rest kept.
TEST(SettingsFit, WhatTheModelLacksIsResetAndNamed) {
    ModelStore store;
    test::addNode(store, 0, 0, 0).restraint = {0, 1, 1, 1, 1, 1, 1};
    test::addNode(store, 0, 0, 3000);
    test::addNode(store, 5000, 0, 3000);
    test::addLoadCase(store, "DEAD");
    test::addLoadCase(store, "PUSH");
    test::addMaterial(store, "CONC", 30000, 0.2);
    struct Case {
        std::int32_t controlNode, loadCase, dispCase, rebar;
        std::int32_t fittedNode, fittedLoadCase, fittedDispCase, fittedRebar;
        std::size_t notes;
    };
    const Case cases[] = {
        {3, 1, 2, 1, 3, 1, 2, 1, 0},  // all fit
        {57, 1, 2, 1, 2, 1, 2, 1, 1}, // the highest free joint, the lowest number of two
        {2, 4, 9, 3, 2, 1, 1, 1, 3},
    };
    for (const Case& c : cases) {
        AnalysisSettings a;
        a.controlNode = c.controlNode;
        a.loadControlCase = c.loadCase;
        a.dispControlCase = c.dispCase;
        a.rebarMaterial = c.rebar;
        const std::vector<std::string> notes = fitSettingsToModel(store, a);
        EXPECT_EQ(std::make_tuple(a.controlNode, a.loadControlCase, a.dispControlCase, a.rebarMaterial),
                  std::make_tuple(c.fittedNode, c.fittedLoadCase, c.fittedDispCase, c.fittedRebar));
        EXPECT_EQ(notes.size(), c.notes);
    }
    AnalysisSettings a;
    a.controlNode = 57;
    EXPECT_EQ(fitSettingsToModel(store, a).front(),
              "Control Node: joint 57 is not a joint of this model (joints 1 to 3); reset to joint 2, the "
              "highest joint free in the control direction");
}

} // namespace
} // namespace kelvane
