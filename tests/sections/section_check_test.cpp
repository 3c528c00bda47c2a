#include "common/error.h"
#include "model/model_store.h"
#include "model/section_defaults.h"
#include "sections/section_check.h"
#include "sections/section_edit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kelvane {
namespace {

// A 300 wide, 500 deep column section with the import defaults (5 x 5 divisions, 5 bars a row).
TSECTION column() {
    TSECTION s;
    s.name = "NCOL";
    s.shape = ShapeRectangle;
    s.elementType = NonlinearBeamColumn;
    s.t1 = 500;
    s.t2 = 300;
    setImportDefaults(s);
    return s;
}

std::string faultOf(const TSECTION& s) {
    const auto fault = sectionMeshFault(s);
    return fault ? std::string(fault->box) + ": " + fault->message : "";
}

TEST(SectionMeshFault, NamesTheBoxOfEachUnsoundSetting) {
    struct Row {
        const char* what;
        std::function<void(TSECTION&)> change;
        std::string fault;
    };
    const Row rows[] = {
        {"import defaults", [](TSECTION&) {}, ""},
        {"no divisions across", [](TSECTION& s) { s.divideFX = 0; },
         "Divide FX: a fiber mesh needs 1 division or more, not 0"},
        {"negative divisions up", [](TSECTION& s) { s.divideFY = -1; },
         "Divide FY: a fiber mesh needs 1 division or more, not -1"},
        {"negative bars", [](TSECTION& s) { s.barNumNY = -3; },
         "Bar Num NY: a bar count must be 0 or more, not -3"},
        {"no bars", [](TSECTION& s) { s.barNumNX = s.barNumNY = 0; }, ""},
        {"cover of half the width", [](TSECTION& s) { s.cover = 150; },
         "Cover: 150 is half the section's width or depth or more (300 wide, 500 deep): the bars would lie "
         "outside the concrete"},
        {"cover just inside", [](TSECTION& s) { s.cover = 149.9; }, ""},
        {"80 fibers: 6 x 10 and 2 x (5 + 5) bars",
         [](TSECTION& s) {
             s.divideFX = 6;
             s.divideFY = 10;
         },
         ""},
        {"84 fibers: 8 x 8 and 2 x (5 + 5) bars", [](TSECTION& s) { s.divideFX = s.divideFY = 8; },
         "Divide FX: the mesh of these divisions and bars needs 84 fibers; a fiber section holds at most 80"},
        {"a pipe of one ring", [](TSECTION& s) { s.shape = ShapePipe, s.t2 = 20, s.divideFY = 1, s.divideFX = 80; },
         ""},
        {"a pipe needs a ring", [](TSECTION& s) { s.shape = ShapePipe, s.t2 = 20, s.divideFY = 0; },
         "Divide FY: a fiber mesh needs 1 division or more, not 0"},
        {"81 around a pipe", [](TSECTION& s) { s.shape = ShapePipe, s.t2 = 20, s.divideFY = 1, s.divideFX = 81; },
         "Divide FX: the mesh of these divisions and bars needs 81 fibers; a fiber section holds at most 80"},
        {"a pipe wall of half its diameter", [](TSECTION& s) { s.shape = ShapePipe, s.t2 = 250; },
         "Dimension T1: the dimensions T1 to T5 (500, 250, 0, 0, 0) make no pipe to mesh: a part is empty or "
         "overlaps another"},
        {"a ring of two sectors", [](TSECTION& s) { s.shape = ShapeCircle, s.divideFX = 2; },
         "Divide FX: a ring needs 3 sectors or more, not 2"},
        {"a channel whose flanges fill its depth",
         [](TSECTION& s) { s.shape = ShapeChannel, s.t3 = 250, s.t4 = 10; },
         "Dimension T1: the dimensions T1 to T5 (500, 300, 250, 10, 0) make no shape to mesh: a part is empty "
         "or overlaps another"},
        {"a double channel of 4 x (2 x 7 + 8) fibers",
         [](TSECTION& s) { s.shape = ShapeDoubleChannel, s.t3 = 15, s.t4 = 10, s.divideFX = 7, s.divideFY = 8; },
         "Divide FX: the mesh of these divisions and bars needs 88 fibers; a fiber section holds at most 80"},
        {"bars and cover do not matter to an I-shape",
         [](TSECTION& s) { s.shape = ShapeI, s.barNumNX = -1, s.cover = 1000; }, ""},
        {"elastic sections are not meshed",
         [](TSECTION& s) { s.elementType = ElasticBeamColumn, s.divideFX = 0; }, ""},
        {"nor rigid links", [](TSECTION& s) { s.elementType = RigidLink, s.cover = 1000; }, ""},
        {"nor sections of no known shape", [](TSECTION& s) { s.shape = ShapeNone, s.divideFX = -5; }, ""},
    };
    for (const Row& row : rows) {
        TSECTION s = column();
        row.change(s);
        EXPECT_EQ(faultOf(s), row.fault) << row.what;
    }
}

class SectionEditTest : public ::testing::Test {
  protected:
    SectionEditTest() {
        store.frameSectionCount = 1;
        store.frameSections.assign(2, TSECTION{});
        store.frameSections[1] = column();
        edit.divideFX = edit.divideFY = edit.barNumNX = edit.barNumNY = "5";
        edit.topBar = edit.bottomBar = "1000";
        edit.cover = "35";
        edit.hingeLengthI = edit.hingeLengthJ = "500";
        edit.colour = 0x00FF00;
    }
    std::string failure() {
        try {
            applySectionEdit(store, 1, edit);
        } catch (const KelvaneError& error) {
            return error.what();
        }
        return "";
    }
    ModelStore store;
    SectionEdit edit;
};

TEST_F(SectionEditTest, AnUnsoundMeshIsRefusedAndTheSectionStaysAsItWas) {
    edit.elementType = DispBeamColumn;
    edit.divideFX = "0";
    const TSECTION before = store.frameSections[1];
    EXPECT_EQ(failure(), "Divide FX: a fiber mesh needs 1 division or more, not 0");
    EXPECT_EQ(store.frameSections[1].elementType, before.elementType);
    EXPECT_EQ(store.frameSections[1].divideFX, before.divideFX);
    EXPECT_EQ(store.frameSections[1].colour, before.colour);

    // Made elastic in the same OK, the section is not meshed and its boxes are stored as typed.
    edit.elementType = ElasticBeamColumn;
    EXPECT_EQ(failure(), "");
    EXPECT_EQ(store.frameSections[1].divideFX, 0);
    EXPECT_EQ(store.frameSections[1].colour, 0x00FF00);
}

TEST_F(SectionEditTest, ABoxThatDoesNotConvertKeepsWhatWasStoredBeforeIt) {
    edit.elementType = BeamWithHinge;
    edit.barNumNX = "4";
    edit.topBar = "1.5E+003";
    edit.cover = "abc";
    edit.hingeLengthI = "450";
    EXPECT_EQ(failure(), "Cover: 'abc' is not a valid floating point value");
    const TSECTION& s = store.frameSections[1];
    EXPECT_EQ(s.elementType, BeamWithHinge);
    EXPECT_EQ(s.barNumNX, 4);
    EXPECT_EQ(s.topBar, 1500);
    EXPECT_EQ(s.cover, 35);
    EXPECT_EQ(s.hingeLengthI, column().hingeLengthI);
    edit.cover = "35";
    edit.divideFY = "";
    EXPECT_EQ(failure(), "Divide FY: '' is not a valid integer value");
    EXPECT_THROW(applySectionEdit(store, 2, edit), KelvaneError);
}

} // namespace
} // namespace kelvane
