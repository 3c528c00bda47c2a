#include "common/error.h"
#include "tcl/settings_by_name.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
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
}

} // namespace
} // namespace kelvane
