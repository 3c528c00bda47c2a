// The one import entry of the program and the command line refuses what holds no model at all.
#include "common/error.h"
#include "common/text_file.h"
#include "model/model_import.h"
#include "support/test_support.h"
#include "table_import_support.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

std::string refusal(const std::string& text) {
    try {
        importModelLines(splitLines(text), initPalette(), "The file \"x.s2k\"");
    } catch (const KelvaneError& error) {
        return error.what();
    }
    return "";
}

TEST(TablelessFiles, AreRefusedInEitherFormat) {
    const std::string refused = "The file \"x.s2k\" holds none of the tables of a SAP2000 model";
    for (const std::string& text : {
             std::string(),                                        // an empty file
             std::string("\n\n  \r\n"),                            // blank lines
             std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),     // a picture
             std::string("Dear colleague,\nthe model follows.\n"), // a letter
             std::string("JOINT \n  1  X=0  Y=0  Z=0\n\n"),        // no header matches exactly
             test::sapTable("GRID LINES", {"CoordSys=GLOBAL   AxisDir=X   GridID=A"}), // no model tables
         })
        EXPECT_EQ(refusal(text), refused) << text;
    // One table of either format is a model, however small.
    EXPECT_EQ(refusal("MATERIAL\n  NAME=M\n    T=0  E=1  U=0\n\n"), "");
    EXPECT_EQ(refusal("JOINT\n\n"), "");
    EXPECT_EQ(refusal(test::sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0"})), "");
}

TEST(TablelessFiles, AFileNamesItselfAndAModelOnItsFirstLineImports) {
    test::TempDir folder;
    const std::string notes = folder.file("notes.txt");
    test::writeFile(notes, "nothing here\n");
    try {
        importModelFile(notes, initPalette());
        FAIL() << "imported";
    } catch (const KelvaneError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The file \"" + notes + "\" holds none of the tables of a SAP2000 model");
    }
    const std::string model = folder.file("top.s2k");
    test::writeFile(model, "JOINT\n  1  X=0  Y=0  Z=0\n  2  X=0  Y=0  Z=3000\n\n");
    EXPECT_EQ(importModelFile(model, initPalette()).store.nodeCount, 2);
}

// Cancelling the file dialog before any model was loaded re-imports nothing: the empty model.
TEST(TablelessFiles, ReimportingNoLinesGivesTheEmptyModel) {
    const ImportedModel none = reimportModelLines({}, initPalette());
    EXPECT_EQ(none.store.nodeCount, -1);
    EXPECT_EQ(none.store.frameCount, -1);
    EXPECT_EQ(none.store.nodes.size(), 1u);
    EXPECT_EQ(reimportModelLines(splitLines("JOINT\n  1  X=0  Y=0  Z=0\n\n"), initPalette()).store.nodeCount,
              1);
    EXPECT_THROW(reimportModelLines({"text"}, initPalette()), KelvaneError);
}

} // namespace
} // namespace kelvane
