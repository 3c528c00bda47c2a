#include "common/error.h"
#include "materials/material_check.h"
#include "materials/material_defaults.h"
#include "materials/material_fields.h"
#include "materials/material_models.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "script/model_builder.h"
#include "support/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace kelvane {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TMAT material(std::int32_t model, MaterialParameters parameters) {
    TMAT m;
    m.name = "M";
    m.model = model;
    m.parameters = parameters;
    return m;
}

// OpenSees takes the concrete stresses and strains negative; the tensile side, the unloading ratio
// and the steel values keep their signs.
TEST(MaterialScriptArguments, FollowOpenSeesOrderAndSigns) {
    MaterialParameters p;
    p.Fy = 355, p.E0 = 200000, p.b = 0.01, p.R0 = 18, p.cR1 = 0.925, p.cR2 = 0.15;
    p.fpc = 30, p.epsc0 = 0.002, p.fpcu = 6, p.epsU = 0.0035, p.lambda = 0.1, p.ft = 4.2, p.Ets = 2100;
    EXPECT_THAT(materialScriptArguments(material(ModelSteel01, p)), ElementsAre(355, 200000, 0.01));
    EXPECT_THAT(materialScriptArguments(material(ModelSteel02, p)),
                ElementsAre(355, 200000, 0.01, 18, 0.925, 0.15));
    EXPECT_THAT(materialScriptArguments(material(ModelConcrete01, p)), ElementsAre(-30, -0.002, -6, -0.0035));
    EXPECT_THAT(materialScriptArguments(material(ModelConcrete02, p)),
                ElementsAre(-30, -0.002, -6, -0.0035, 0.1, 4.2, 2100));
    p.fpcu = 0;
    EXPECT_FALSE(std::signbit(materialScriptArguments(material(ModelConcrete01, p))[2]));
}

// The example model's concrete (E = 30000, no FC=) and steel (FY=355) as the file gives them.
TEST(MaterialDefaults, ComeFromTheModelFile) {
    ModelStore store;
    importS2kFile(store, initPalette(),
                  std::string(KELVANE_SOURCE_DIR) + "/examples/three-storey-rc-frame.s2k");
    const TMAT& steel = store.materials[1];
    const TMAT& concrete = store.materials[2];
    ASSERT_EQ(steel.name, "STEEL");
    EXPECT_EQ(steel.designType, DesignSteel);
    EXPECT_EQ(steel.fy, 355.0);
    EXPECT_EQ(concrete.designType, DesignConcrete);
    EXPECT_EQ(concrete.fc, 0.0);

    const MaterialParameters s = defaultParameters(steel, ModelSteel02);
    EXPECT_EQ(s.Fy, 355.0);
    EXPECT_EQ(s.E0, 200000.0);
    EXPECT_EQ(s.b, 0.01);
    EXPECT_EQ(s.R0, 18.0);
    // E = 4700 sqrt(fpc): fpc = (30000 / 4700)^2 = 40.74; epsc0 = 2 fpc / E.
    const MaterialParameters c = defaultParameters(concrete, ModelConcrete02);
    EXPECT_EQ(c.fpc, 40.74);
    EXPECT_EQ(c.epsc0, 0.002716);
    EXPECT_EQ(c.fpcu, 8.148);
    EXPECT_EQ(c.epsU, 0.0035);
    EXPECT_EQ(c.ft, 5.704);
    EXPECT_EQ(c.Ets, 2852.0);
    TMAT withStrength = concrete;
    withStrength.fc = 25;
    EXPECT_EQ(defaultParameters(withStrength, ModelConcrete01).fpc, 25.0);

    EXPECT_TRUE(applyNonlinearDefaults(store).empty());
    EXPECT_EQ(store.materials[1].model, ModelSteel02);
    EXPECT_EQ(store.materials[2].model, ModelConcrete02);
    EXPECT_EQ(store.materials[2].parameters.fpc, 40.74);
}

TEST(MaterialDefaults, ASteelWithoutYieldStressKeepsItsModelAndIsNamed) {
    ModelStore store;
    TMAT& steel = test::addMaterial(store, "S235", 210000, 0.3);
    steel.designType = DesignRebar;
    TMAT& other = test::addMaterial(store, "TIMBER", 11000, 0.3);
    other.designType = DesignOther;
    const std::vector<std::string> kept = applyNonlinearDefaults(store);
    EXPECT_THAT(kept, ElementsAre("Material 1 (S235) keeps its model: the model file gives no yield stress"));
    EXPECT_EQ(store.materials[1].model, ModelElastic);
    EXPECT_EQ(store.materials[2].model, ModelElastic);
}

TEST(MaterialCheck, RefusesImpossibleParameters) {
    const MaterialParameters steel = [] {
        MaterialParameters p;
        p.Fy = 355, p.E0 = 200000, p.b = 0.01, p.R0 = 18, p.cR1 = 0.925, p.cR2 = 0.15;
        return p;
    }();
    const MaterialParameters concrete = [] {
        MaterialParameters p;
        p.fpc = 30, p.epsc0 = 0.002, p.fpcu = 6, p.epsU = 0.0035, p.lambda = 0.1, p.ft = 3, p.Ets = 1500;
        return p;
    }();
    struct Case {
        std::int32_t model;
        std::function<void(MaterialParameters&)> change;
        std::string fault;
    };
    const Case cases[] = {
        {ModelSteel02, [](auto&) {}, ""},
        {ModelConcrete02, [](auto&) {}, ""},
        {ModelSteel01, [](auto& p) { p.Fy = 0; }, "Fy must be a positive number"},
        {ModelSteel01, [](auto& p) { p.E0 = -1; }, "E0 must be a positive number"},
        {ModelSteel01, [](auto& p) { p.b = 1.5; },
         "b must lie above -1 and up to 1 (below 0 the steel softens)"},
        {ModelSteel01, [](auto& p) { p.b = -0.05; }, ""},
        {ModelSteel02, [](auto& p) { p.b = -0.05; }, "b must lie between 0 and 1"},
        {ModelSteel02, [](auto& p) { p.R0 = 0; }, "R0 must be a positive number"},
        {ModelConcrete01, [](auto& p) { p.fpc = 0; }, "fpc must be a positive number"},
        {ModelConcrete01, [](auto& p) { p.fpcu = 31; }, "fpcu must not be above fpc"},
        {ModelConcrete01, [](auto& p) { p.epsU = 0.002; }, "epsU must be beyond epsc0"},
        {ModelConcrete02, [](auto& p) { p.lambda = -0.1; }, "lambda must lie between 0 and 1"},
        {ModelConcrete02, [](auto& p) { p.ft = 30; }, "ft must be below fpc"},
        // Concrete01 takes no tensile parameters, so what they hold does not matter.
        {ModelConcrete01, [](auto& p) { p.ft = 30; }, ""},
    };
    for (const Case& c : cases) {
        MaterialParameters p = c.model == ModelSteel01 || c.model == ModelSteel02 ? steel : concrete;
        c.change(p);
        EXPECT_EQ(materialParameterFault(c.model, p), c.fault) << c.fault;
    }
    TMAT bad = material(ModelSteel02, steel);
    bad.name = "S355";
    bad.parameters.b = -1;
    EXPECT_EQ(test::errorOf([&] { checkMaterial(bad, 3); }), "Material 3 (S355): b must lie between 0 and 1");
}

TEST(MaterialFields, SetAsTheMaterialWindowStoresThem) {
    TMAT steel;
    steel.name = "STEEL";
    steel.model = ModelElastic;
    steel.e = 200000;
    steel.fy = 355;
    EXPECT_EQ(test::errorOf([&] { setMaterialField(steel, "Fy", "300"); }),
              "Material STEEL is Elastic, which takes no Fy; set its model first");
    setMaterialField(steel, "model", "Steel01");
    EXPECT_EQ(steel.model, ModelSteel01);
    EXPECT_EQ(steel.parameters.Fy, 355.0);
    setMaterialField(steel, "Fy", "345.25");
    EXPECT_EQ(steel.parameters.Fy, 345.25);
    EXPECT_EQ(test::errorOf([&] { setMaterialField(steel, "R0", "18"); }),
              "Material STEEL is Steel01, which takes no R0; set its model first");
    setMaterialField(steel, "model", "4");
    EXPECT_EQ(steel.model, ModelSteel02);
    EXPECT_EQ(steel.parameters.Fy, 355.0) << "a new model starts from its defaults";
    EXPECT_EQ(
        test::errorOf([&] { setMaterialField(steel, "model", "Steel03"); }),
        "'Steel03' is not a material model (Elastic, Steel01, Concrete01, Steel02, Concrete02 or 1..5)");
    EXPECT_EQ(test::errorOf([&] { setMaterialField(steel, "Fy", "x"); }),
              "'x' is not a valid floating point value");
    EXPECT_THAT(test::errorOf([&] { setMaterialField(steel, "E", "1"); }),
                HasSubstr("comes from the model file"));
    EXPECT_THAT(test::errorOf([&] { setMaterialField(steel, "fc", "1"); }),
                HasSubstr("Unknown material field 'fc'"));
}

TEST(AddedMaterials, TakeTheNextNumbersAndLeaveOnlyWhenUnused) {
    ModelStore store;
    test::addMaterial(store, "CONC", 30000, 0.2);
    test::addRectangle(store, "C500", NonlinearBeamColumn, 500, 500, 1);
    EXPECT_EQ(test::errorOf([&] { addMaterial(store, "CONC"); }),
              "A material named CONC exists already (material 1)");
    EXPECT_EQ(addMaterial(store, "CONFINED"), 2);
    EXPECT_EQ(addMaterial(store, "REBAR"), 3);
    setMaterialField(store.materials[2], "E", "30000");
    setMaterialField(store.materials[2], "nu", "0.25");
    EXPECT_EQ(store.materials[2].g, 12000.0);
    setMaterialField(store.materials[3], "name", "B500");

    store.frameSections[1].coreMaterial = 2;
    store.frameSections[1].rebarMaterial = 3;
    std::int32_t analysisRebar = 1;
    EXPECT_EQ(test::errorOf([&] { removeAddedMaterial(store, analysisRebar, 2); }),
              "Material CONFINED cannot be removed: it is the core material of frame section C500");
    EXPECT_EQ(test::errorOf([&] { removeAddedMaterial(store, analysisRebar, 1); }),
              "Material CONC comes from the model file and cannot be removed");
    store.frameSections[1].coreMaterial = 0;
    removeAddedMaterial(store, analysisRebar, 2);
    EXPECT_EQ(store.materialCount, 2);
    EXPECT_EQ(store.materials[2].name, "B500");
    EXPECT_EQ(store.frameSections[1].rebarMaterial, 2) << "references to later materials move down with them";
    EXPECT_EQ(test::errorOf([&] { removeAddedMaterial(store, analysisRebar, 5); }),
              "Material 5 does not exist: the model has 2 materials");
}

} // namespace
} // namespace kelvane
