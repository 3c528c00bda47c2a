#include "common/error.h"
#include "common/text_file.h"
#include "sections/section_settings_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvane {
namespace {

TSECTION section(const std::string& name, double depth) {
    TSECTION s;
    s.name = name;
    s.shape = ShapeRectangle;
    s.t1 = depth;
    s.t2 = 300;
    s.elementType = 1;
    s.sectionKind = 2;
    s.divideFX = s.divideFY = s.barNumNX = s.barNumNY = 5;
    s.cover = 35;
    s.topBar = s.bottomBar = 1000;
    s.geomTransf = 1;
    s.hingeLengthI = s.hingeLengthJ = depth;
    s.colour = 0x808080;
    return s;
}

ModelStore storeOf(const std::vector<TSECTION>& sections) {
    ModelStore store;
    store.frameSections.resize(1);
    for (const TSECTION& s : sections)
        store.frameSections.push_back(s);
    store.frameSectionCount = static_cast<std::int32_t>(sections.size());
    return store;
}

void expectSameSettings(const TSECTION& a, const TSECTION& b) {
    EXPECT_EQ(a.elementType, b.elementType);
    EXPECT_EQ(a.sectionKind, b.sectionKind);
    EXPECT_EQ(a.divideFX, b.divideFX);
    EXPECT_EQ(a.divideFY, b.divideFY);
    EXPECT_EQ(a.barNumNX, b.barNumNX);
    EXPECT_EQ(a.barNumNY, b.barNumNY);
    EXPECT_EQ(a.cover, b.cover);
    EXPECT_EQ(a.topBar, b.topBar);
    EXPECT_EQ(a.bottomBar, b.bottomBar);
    EXPECT_EQ(a.hingeLengthI, b.hingeLengthI);
    EXPECT_EQ(a.hingeLengthJ, b.hingeLengthJ);
    EXPECT_EQ(a.geomTransf, b.geomTransf);
    EXPECT_EQ(a.colour, b.colour);
}

TEST(SectionSettingsFile, RoundTripCarriesTheSettingsToARevisedModelByName) {
    TSECTION beam = section("B300X500", 500);
    beam.elementType = 4;
    beam.sectionKind = 1;
    beam.divideFX = 3;
    beam.divideFY = -2; // stored as typed
    beam.barNumNX = 4;
    beam.barNumNY = 0;
    beam.cover = 0.1 + 0.2; // needs all 17 digits to read back exactly
    beam.topBar = 1256.6370614359173;
    beam.bottomBar = 1e-7;
    beam.hingeLengthI = 250;
    beam.hingeLengthJ = 375.5;
    beam.geomTransf = 3;
    beam.colour = 0xFF00A0;
    TSECTION link = section("RLINK", 100);
    link.elementType = RigidLink;
    const ModelStore original = storeOf({beam, section("C 600 X 600", 600), link});

    test::TempDir folder;
    const std::string path = folder.file("settings.txt");
    exportSectionSettings(path, original);
    const std::string text = test::readFile(path);
    EXPECT_EQ(text.rfind(std::string(kSectionSettingsHeader) + "\r\n[B300X500]\r\nelementType=4\r\n", 0), 0u)
        << text;
    EXPECT_NE(text.find("colour=#FF00A0\r\n"), std::string::npos);
    EXPECT_NE(text.find("[C 600 X 600]\r\n"), std::string::npos);

    // The revised model has its sections in another order, a new one, and other dimensions.
    TSECTION revisedBeam = section("B300X500", 550);
    TSECTION added = section("NEW", 450);
    ModelStore revised = storeOf({section("RLINK", 100), added, section("C 600 X 600", 650), revisedBeam});
    revised.frameSections[1].elementType = 1;
    EXPECT_EQ(importSectionSettings(path, revised), 3);

    expectSameSettings(revised.frameSections[4], beam);
    EXPECT_EQ(revised.frameSections[4].t1, 550); // dimensions come from the model, not the file
    expectSameSettings(revised.frameSections[3], original.frameSections[2]);
    EXPECT_EQ(revised.frameSections[1].elementType, RigidLink);
    expectSameSettings(revised.frameSections[2], added); // not in the file: unchanged
}

// Core and rebar materials travel by name, since a revised model may number its materials anew;
// a file without them (as written before sections had them) leaves a section with none.
TEST(SectionSettingsFile, CoreAndRebarMaterialsTravelByName) {
    ModelStore original = storeOf({section("C500", 500), section("C400", 400)});
    original.materials = {TMAT{}, TMAT{}, TMAT{}};
    original.materials[1].name = "CONC";
    original.materials[2].name = "CONFINED";
    original.materialCount = 2;
    original.frameSections[1].coreMaterial = 2;
    original.frameSections[1].rebarMaterial = 1;
    std::vector<std::string> lines = sectionSettingsLines(original);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "coreMaterial=CONFINED"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "rebarMaterial=CONC"), lines.end());
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.find("Material=") != std::string::npos; }),
              2);

    ModelStore revised = original;
    std::swap(revised.materials[1], revised.materials[2]);
    revised.frameSections[1].coreMaterial = revised.frameSections[1].rebarMaterial = 0;
    revised.frameSections[2].coreMaterial = 1;
    applySectionSettings(lines, "settings.txt", revised);
    EXPECT_EQ(revised.frameSections[1].coreMaterial, 1);
    EXPECT_EQ(revised.frameSections[1].rebarMaterial, 2);
    EXPECT_EQ(revised.frameSections[2].coreMaterial, 0) << "the file gives C400 no core";

    std::replace(lines.begin(), lines.end(), std::string("coreMaterial=CONFINED"),
                 std::string("coreMaterial=MISSING"));
    try {
        applySectionSettings(lines, "settings.txt", revised);
        ADD_FAILURE() << "an unknown material name was accepted";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(),
                     "Section settings file \"settings.txt\", line 16: the model has no material named "
                     "'MISSING'");
    }
}

// A project carries settings to a revised model that may have lost sections: those are listed and
// the rest applied.
TEST(SectionSettingsFile, SectionsTheModelLacksCanBeListedInsteadOfRefused) {
    const ModelStore original = storeOf({section("GONE", 500), section("KEPT", 400)});
    ModelStore revised = storeOf({section("KEPT", 450)});
    TSECTION changed = original.frameSections[2];
    changed.divideFX = 7;
    const ModelStore source = storeOf({original.frameSections[1], changed});
    std::vector<std::string> skipped;
    EXPECT_EQ(applySectionSettings(sectionSettingsLines(source), "p", revised, &skipped), 1);
    EXPECT_EQ(skipped, std::vector<std::string>{"GONE"});
    EXPECT_EQ(revised.frameSections[1].divideFX, 7);
}

TEST(SectionSettingsFile, ExportRefusesSectionsThatShareAName) {
    const ModelStore store = storeOf({section("B1", 500), section("C1", 600), section("B1", 400)});
    try {
        sectionSettingsLines(store);
        ADD_FAILURE() << "two sections named B1 cannot be kept apart";
    } catch (const KelvaneError& error) {
        EXPECT_STREQ(error.what(),
                     "Frame sections 1 and 3 are both named 'B1'; section settings are kept by name and "
                     "cannot tell them apart");
    }
}

std::string block(const std::string& name, const std::string& override = "") {
    std::string text = "[" + name + "]\n";
    for (const char* field : {"elementType=2", "sectionKind=1", "divideFX=4", "divideFY=4", "barNumNX=3",
                              "barNumNY=3", "cover=40", "topBar=900", "bottomBar=900", "hingeLengthI=500",
                              "hingeLengthJ=500", "geomTransf=2", "colour=#00FF00"}) {
        const std::string line = field;
        const std::string key = line.substr(0, line.find('='));
        if (!override.empty() && override.rfind(key + "=", 0) == 0)
            text += override + "\n";
        else if (override != "-" + key)
            text += line + "\n";
    }
    return text;
}

TEST(SectionSettingsFile, BadInputIsReportedWithItsLineAndNothingIsApplied) {
    const std::string header = std::string(kSectionSettingsHeader) + "\n";
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"", "line 1: the file is empty; expected the line \"Kelvane frame section settings 1\""},
        {"Kelvane frame section settings 2\n" + block("B1"),
         "line 1: expected the line \"Kelvane frame section settings 1\", found \"Kelvane frame section "
         "settings 2\""},
        {header + block("B1") + block("X9"), "line 16: the model has no frame section named 'X9'"},
        {header + block("B1") + block("C1", "divideFY=4.5"), "line 20: '4.5' is not a valid integer value"},
        {header + block("C1", "cover=abc"), "line 9: 'abc' is not a valid floating point value"},
        {header + block("C1", "sectionKind=3"), "line 4: '3' is not an item of sectionKind (1..2)"},
        {header + block("C1", "elementType=8"), "line 3: '8' is not an element type (1..7)"},
        {header + block("C1", "colour=green"), "line 15: 'green' is not a valid"},
        {header + block("C1", "-hingeLengthJ") + block("B1"), "line 2: section 'C1' lacks hingeLengthJ"},
        {header + block("C1") + "cover=20\n",
         "line 16: field cover is given twice for section 'C1' (first on line 9)"},
        {header + block("C1") + block("B1") + block("C1"),
         "line 30: section 'C1' is given twice (first on line 2)"},
        {header + "cover=20\n" + block("C1"), "line 2: a field comes before the first [section name] line"},
        {header + block("C1") + "weight=3\n", "line 16: Unknown frame section field 'weight'"},
        {header + block("C1") + "just words\n",
         "line 16: \"just words\" is neither a [section name] line nor a "
         "field=value line"},
        {header + block("DUP"), "line 2: Frame sections 3 and 4 are both named 'DUP'"},
    };
    for (const Case& c : cases) {
        ModelStore store =
            storeOf({section("B1", 500), section("C1", 600), section("DUP", 300), section("DUP", 200)});
        const ModelStore before = store;
        try {
            applySectionSettings(splitLines(c.text), "job.sec", store);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const KelvaneError& error) {
            const std::string expected = "Section settings file \"job.sec\", " + c.message;
            EXPECT_EQ(std::string(error.what()).substr(0, expected.size()), expected);
        }
        for (int k = 1; k <= 4; ++k)
            expectSameSettings(store.frameSections[k], before.frameSections[k]);
    }
}

TEST(SectionSettingsFile, HandWrittenFileWithBlanksAndBlankLinesIsRead) {
    ModelStore store = storeOf({section("B1", 500), section("C1", 600)});
    const std::vector<std::string> lines = {kSectionSettingsHeader, "", "[C1]"};
    std::vector<std::string> file = lines;
    for (const char* field : {"elementType = 3", "  sectionKind=1", "divideFX=6 ", "divideFY=2", "barNumNX=2",
                              "barNumNY=2", "cover=30", "topBar=1.5E+003", "bottomBar=800", "hingeLengthI=1",
                              "hingeLengthJ=2", "geomTransf=1", "colour=16711680", ""})
        file.push_back(field);
    EXPECT_EQ(applySectionSettings(file, "hand.sec", store), 1);
    const TSECTION& c1 = store.frameSections[2];
    EXPECT_EQ(c1.elementType, 3);
    EXPECT_EQ(c1.sectionKind, 1);
    EXPECT_EQ(c1.divideFX, 6);
    EXPECT_EQ(c1.topBar, 1500);
    EXPECT_EQ(c1.colour, 0xFF0000);
    expectSameSettings(store.frameSections[1], section("B1", 500));
}

} // namespace
} // namespace kelvane
