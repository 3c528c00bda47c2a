#include "common/error.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "project/project_file.h"
#include "script/settings_by_name.h"
#include "support/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace kelvane {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct Session {
    ModelStore store;
    AnalysisSettings analysis;
    RecorderSettings recorders;
};

Session imported(const std::string& model) {
    Session session;
    importS2kFile(session.store, initPalette(), model);
    return session;
}

void set(Session& s, const std::string& name, const std::string& value) {
    setNamedValue(s.store, s.analysis, s.recorders, name, value);
}

class ProjectFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(KELVANE_SOURCE_DIR) + "/examples/three-storey-rc-frame.s2k",
                                   model);
    }
    // What a user sets on the example: every kind of record a project keeps.
    Session edited() {
        Session s = imported(model);
        for (const auto& [name, value] :
             std::vector<std::pair<std::string, std::string>>{{"analysisType", "3"},
                                                              {"controlNode", "39"},
                                                              {"controlDisp", "0.25"},
                                                              {"loadFactor", "0.3"},
                                                              {"useAggregator", "1"},
                                                              {"modalShape", "1"},
                                                              {"gmFile", "records/RSN6_ELC180.AT2"},
                                                              {"dampingRatio", "0.03"},
                                                              {"materialDefaults", "nonlinear"},
                                                              {"material.1.Fy", "345.5"},
                                                              {"material.2.model", "Concrete01"},
                                                              {"addMaterial", "CONFINED"},
                                                              {"material.3.E", "31000"},
                                                              {"material.3.nu", "0.2"},
                                                              {"material.3.model", "Concrete02"},
                                                              {"material.3.fpc", "52.5"},
                                                              {"material.3.epsc0", "0.004"},
                                                              {"section.1.coreMaterial", "CONFINED"},
                                                              {"section.1.divideFX", "7"},
                                                              {"section.2.elementType", "3"}})
            set(s, name, value);
        return s;
    }

    test::TempDir folder;
    const std::string model = folder.file("model.s2k");
    const std::string project = folder.file("model.kelvane");
};

TEST_F(ProjectFileTest, EverySettingAndMaterialSurvivesSaveAndOpen) {
    const Session before = edited();
    saveProject(project, model, before.store, before.analysis, before.recorders);
    const ProjectFile read = readProject(project);
    EXPECT_EQ(read.modelPath, model);
    EXPECT_EQ(loadLines(project)[1], "model=model.s2k") << "a model beside the project is named relatively";

    Session after = imported(read.modelPath);
    EXPECT_TRUE(applyProject(read, read.modelPath, after.store, after.analysis, after.recorders).empty());
    EXPECT_EQ(settingValues(after.analysis, after.recorders),
              settingValues(before.analysis, before.recorders));
    ASSERT_EQ(after.store.materialCount, 3);
    for (int m = 1; m <= 3; ++m) {
        const TMAT& a = after.store.materials[m];
        const TMAT& b = before.store.materials[m];
        EXPECT_EQ(std::tie(a.name, a.model, a.e, a.nu, a.g, a.added),
                  std::tie(b.name, b.model, b.e, b.nu, b.g, b.added));
        EXPECT_EQ(std::tie(a.parameters.Fy, a.parameters.E0, a.parameters.b, a.parameters.R0,
                           a.parameters.fpc, a.parameters.epsc0, a.parameters.fpcu, a.parameters.epsU,
                           a.parameters.lambda, a.parameters.ft, a.parameters.Ets),
                  std::tie(b.parameters.Fy, b.parameters.E0, b.parameters.b, b.parameters.R0,
                           b.parameters.fpc, b.parameters.epsc0, b.parameters.fpcu, b.parameters.epsU,
                           b.parameters.lambda, b.parameters.ft, b.parameters.Ets))
            << "material " << m;
    }
    EXPECT_EQ(after.store.frameSections[1].coreMaterial, 3);
    EXPECT_EQ(after.store.frameSections[1].divideFX, 7);
    EXPECT_EQ(after.store.frameSections[2].elementType, 3);
}

TEST_F(ProjectFileTest, AChangedModelIsReportedAndWhatStillMatchesIsApplied) {
    const Session before = edited();
    saveProject(project, model, before.store, before.analysis, before.recorders);
    // The revised model has lost its CONC material and its NC500X500 section.
    std::string text = loadText(model);
    for (const auto& [from, to] :
         std::vector<std::pair<std::string, std::string>>{{"NAME=CONC  IDES=C", "NAME=C40  IDES=C"},
                                                          {"MAT=CONC", "MAT=C40"},
                                                          {"NAME=NC500X500", "NAME=NC550X550"},
                                                          {"SEC=NC500X500", "SEC=NC550X550"}}) {
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    }
    test::writeFile(model, text);

    Session after = imported(model);
    const std::vector<std::string> notes =
        applyProject(readProject(project), model, after.store, after.analysis, after.recorders);
    EXPECT_THAT(
        notes,
        ElementsAre(HasSubstr("has changed since the project was saved"),
                    "The material CONC is no longer in the model; its settings were left out",
                    "The frame section NC500X500 is no longer in the model; its settings were left out"));
    EXPECT_EQ(after.store.materials[1].parameters.Fy, 345.5);
    EXPECT_EQ(after.store.materials[2].model, ModelElastic);
    EXPECT_EQ(after.store.materials[3].name, "CONFINED");
    EXPECT_EQ(after.store.frameSections[2].elementType, 3);
    EXPECT_EQ(after.analysis.controlNode, 39);
}

TEST_F(ProjectFileTest, MalformedProjectsAreRefusedWithTheirLine) {
    const auto failure = [&](const std::string& content) -> std::string {
        test::writeFile(project, content);
        try {
            Session s = imported(model);
            const ProjectFile read = readProject(project);
            applyProject(read, model, s.store, s.analysis, s.recorders);
        } catch (const KelvaneError& e) {
            return e.what();
        }
        return "no error";
    };
    const std::string head = std::string(kProjectHeader) + "\nmodel=model.s2k\nmodelChecksum=x\n";
    const std::string where = "Project file \"" + project + "\", line ";
    EXPECT_EQ(failure("Kelvane frame section settings 1\n"),
              where + "1: expected the line \"Kelvane project 1\"; this is not a Kelvane project");
    EXPECT_EQ(failure(std::string(kProjectHeader) + "\n[settings]\n"),
              where + "2: the project names no model file (model=...)");
    EXPECT_EQ(failure(head + "[settings]\nloadSteps=ten\n"), where + "5: 'ten' is not a valid integer value");
    EXPECT_EQ(failure(head + "[material STEEL]\nmodel=Steel03\n"),
              where + "5: 'Steel03' is not a material model (Elastic, Steel01, Concrete01, Steel02, "
                      "Concrete02 or 1..5)");
    EXPECT_EQ(failure(head + "[sections]\n"), where + "4: \"[sections]\" is not a block of a project");
    EXPECT_EQ(failure(head +
                      "[material STEEL]\nmodel=Steel01\n\n[frame section settings]\nKelvane frame section "
                      "settings 1\n[NC500X500]\ncover=x\n"),
              "Section settings file \"" + project + "\", line 10: 'x' is not a valid floating point value");
    // A setting of a later version is listed, not refused.
    test::writeFile(project, head + "[settings]\nbaseShearRecorder=1\n");
    Session s = imported(model);
    EXPECT_THAT(
        applyProject(readProject(project), model, s.store, s.analysis, s.recorders),
        ::testing::Contains("The setting baseShearRecorder is not one this program knows; it was left out"));
}

// A project may ask for the name rule: every section takes the type its first letter names (before
// the block of the sections' own settings, which come after it).
TEST_F(ProjectFileTest, AProjectMayAskForTheNameRule) {
    Session s = imported(model);
    for (int k = 1; k <= 7; ++k)
        set(s, "section." + std::to_string(k) + ".elementType", "1");
    test::writeFile(project, std::string(kProjectHeader) +
                                 "\nmodel=model.s2k\nmodelChecksum=x\n[settings]\nelementTypeFromName=1\n");
    applyProject(readProject(project), model, s.store, s.analysis, s.recorders);
    const std::int32_t expected[] = {0,
                                     NonlinearBeamColumn,
                                     DispBeamColumn,
                                     NonlinearBeamColumn,
                                     BeamWithHinge,
                                     ElasticBeamColumn,
                                     Truss,
                                     RigidLink};
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(s.store.frameSections[static_cast<std::size_t>(k)].elementType, expected[k]) << k;
}

} // namespace
} // namespace kelvane
