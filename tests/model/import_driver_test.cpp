#include "import_test_support.h"
#include "model/table_readers.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <random>

using namespace kelvane;
using namespace kelvane::test;

namespace {

ModelStore importExample() {
    ModelStore store;
    importS2kFile(store, initPalette(),
                  std::string(KELVANE_SOURCE_DIR) + "/examples/three-storey-rc-frame.s2k");
    return store;
}

} // namespace

TEST(ImportDriver, ExampleFrameImportsAsASoundModel) {
    // The counts are checked through the info command.
    const ModelStore store = importExample();

    // Roof diaphragm: the nine roof joints constrained to the master joint 39 at the centre.
    const TDIAPH& roof = store.diaphragms[3];
    EXPECT_EQ(roof.slaveCount, 9);
    EXPECT_EQ(roof.master, 39);
    EXPECT_EQ(roof.members[1], 28);
    EXPECT_EQ(store.nodes[39].z, 10200.0);
    // The brace's gusset point takes the base joint's place in the script.
    EXPECT_EQ(store.nodes[40].tiedTo, 1);
    EXPECT_EQ(store.frameSections[store.frames[65].section].elementType, RigidLink);
    EXPECT_EQ(store.frameSections[store.frames[64].section].shape, ShapePipe);
    // Every element type a section name can select, except corotTruss, appears.
    const int expectedTypes[] = {0, 2, 3, 2, 4, 1, 5, 7};
    for (int s = 1; s <= 7; ++s)
        EXPECT_EQ(store.frameSections[static_cast<std::size_t>(s)].elementType, expectedTypes[s]) << s;
    // Rebar fibers take material 1 by default: it is the steel.
    EXPECT_EQ(store.materials[1].name, "STEEL");
    EXPECT_EQ(store.materials[1].e, 200000.0);
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(store.nodes[static_cast<std::size_t>(n)].restraint, (DofFlags{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(store.loads[1].kind, LoadDistributed);
    EXPECT_EQ(store.loads[1].direction, 2);
    EXPECT_EQ(store.loads[1].fx, -30.0);
    EXPECT_EQ(store.loads[37].caseName, "PUSH");
    EXPECT_EQ(store.loads[37].target, 37);
    EXPECT_EQ(store.loads[39].fx, 60000.0);
}

TEST(ImportDriver, EveryImportStartsFromAnEmptyStore) {
    ModelStore store = importExample();
    store.s2kLines = splitLines(jointsAlongX(2) + table("FRAME", {"  1  J=1,2  SEC=X  NSEG=1  ANG=0"}));
    importModel(store, initPalette());
    EXPECT_EQ(store.nodeCount, 2);
    ASSERT_EQ(store.nodes.size(), 3u);
    EXPECT_EQ(store.nodes[1].mass, DofValues{});
    EXPECT_EQ(store.frameSectionCount, -1);
    EXPECT_EQ(store.frameSections.size(), 1u);
    EXPECT_EQ(store.frames[1].section, 0);
    EXPECT_EQ(store.diaphragmCount, 0);
    EXPECT_EQ(store.loadCaseCount, 0);
    EXPECT_EQ(store.loadCaseNames.size(), 1u);
    EXPECT_EQ(store.materialCount, 0);
    EXPECT_EQ(store.areaCount, -1);
    EXPECT_EQ(store.shellCount, 0);
}

TEST(ImportDriver, MissingTablesLeaveEntryZeroAndShowZeroCounts) {
    ModelStore store;
    importModel(store, initPalette());
    EXPECT_EQ(store.nodeCount, -1);
    EXPECT_EQ(store.frameCount, -1);
    ASSERT_EQ(store.nodes.size(), 1u);
    EXPECT_EQ(store.nodes[0].x, 0.0);
    const StatusPanels panels = modelCountPanels(store);
    EXPECT_EQ(panels, (StatusPanels{"Operation", "", "Node", "0", "Frame", "0", "Shell", "0", "Solid", "0",
                                    "Mat", "0", "Fsec", "0", "Wsec", "0", ""}));
}

TEST(ImportDriver, StatusPanelsShowTheCountsInOrder) {
    const StatusPanels panels = modelCountPanels(importExample());
    EXPECT_EQ(panels, (StatusPanels{"Operation", "", "Node", "40", "Frame", "65", "Shell", "12", "Solid", "0",
                                    "Mat", "2", "Fsec", "7", "Wsec", "2", ""}));
}

TEST(ImportDriver, FailureKeepsWhatEarlierReadersStoredAndSkipsTheRest) {
    ModelStore store;
    const std::string text =
        jointsAlongX(3) + table("RESTRAINT", {"  ADD=1  DOF=U1"}) +
        table("MATERIAL", {"  NAME=M", "    T=0  E=1  U=0"}) +
        table("FRAME SECTION", {"  NAME=RL  MAT=M  SH=R  T=1,1"}) +
        table("FRAME", {"  1  J=1,2  SEC=RL  NSEG=1  ANG=0  JREL=R2", "  2  J=2,3  SEC=RL  NSEG=x  ANG=0"}) +
        table("LOAD", {"  NAME=A"});
    EXPECT_EQ(importFailure(store, text), "'x' is not a valid integer value (table FRAME, line 19)");
    EXPECT_EQ(store.nodes[1].restraint[1], 1);
    EXPECT_EQ(store.frameSectionCount, 1);
    EXPECT_EQ(store.frameCount, 2);
    EXPECT_EQ(store.frames[1].nodeJ, 2);
    // Neither the load table nor the rigid-link pass ran.
    EXPECT_EQ(store.loadCaseCount, 0);
    EXPECT_EQ(store.nodes[1].tiedTo, 0);
    EXPECT_EQ(store.s2kLines.size(), splitLines(text).size());
}

TEST(ImportDriver, UnclosedTablesOfEveryArraySizedReaderRaiseRangeCheckError) {
    for (const char* keyword :
         {"JOINT", "MATERIAL", "FRAME SECTION", "SHELL SECTION", "FRAME", "SHELL", "SOLID"}) {
        const std::string place = std::string(" (table ") + keyword + ", line ";
        EXPECT_EQ(importFailure(std::string(keyword) + "\n  1  X=0"), "Range check error" + place + "1)");
        EXPECT_EQ(importFailure(std::string("x\n") + keyword + "\n  1  X=0"),
                  "Range check error" + place + "2)");
        EXPECT_EQ(importFailure(std::string("x\ny\nz\n") + keyword + "\n  1  X=0"),
                  "Range check error" + place + "4)");
    }
    // Readers that count entries, or only add to joints, read nothing from it.
    for (const char* keyword : {"CONSTRAINT", "RESTRAINT", "MASS", "LOAD"})
        for (const char* before : {"", "x\n"})
            EXPECT_EQ(importFailure(before + std::string(keyword) + "\n  NAME=1\n    ADD=9"), "") << keyword;
}

TEST(ImportDriver, LoadingAMissingFileReportsItAndKeepsTheLines) {
    ModelStore store;
    store.s2kLines = {"kept"};
    TempDir folder;
    const std::string path = folder.file("none.s2k");
    try {
        loadS2kFile(store, path);
        FAIL() << "no error";
    } catch (const KelvaneError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + path + "\". No such file or directory");
    }
    EXPECT_EQ(store.s2kLines, std::vector<std::string>{"kept"});
}

TEST(ImportDriver, HostileFilesFailCleanlyOrImport) {
    TempDir folder;
    const std::string path = folder.file("hostile.s2k");
    auto importFile = [&](const std::string& text, ModelStore& store) -> std::string {
        writeFile(path, text);
        try {
            importS2kFile(store, initPalette(), path);
        } catch (const KelvaneError& error) {
            return error.what();
        }
        return "";
    };
    ModelStore store;
    EXPECT_EQ(importFile("x\nJOINT\n  " + std::string(10 * 1024 * 1024, 'A') + "\n\n", store),
              "'' is not a valid floating point value (table JOINT, line 3)");
    EXPECT_EQ(
        importFile("x\nJOINT\n  " + std::string(10 * 1024 * 1024, ',') + "\n\n", store),
        "Table \"JOINT\", line 3: the line has more than 38 fields, which is more than a line may carry");
    const std::string hugeNumber =
        importFile("x\nCONSTRAINT\n  NAME=" + std::string(5'000'000, '9') + "\n\n", store);
    EXPECT_EQ(hugeNumber.size(),
              5'000'000 + std::string("'' is not a valid integer value (table CONSTRAINT, line 3)").size());

    // NUL bytes: trimmed at the ends of a field like any control character, never part of a keyword.
    EXPECT_EQ(importFile(bytes("x\nJOINT\n  1  X=\0"
                               "7\0  Y=0  Z=0\n\n"),
                         store),
              "");
    EXPECT_EQ(store.nodes[1].x, 7.0);
    EXPECT_EQ(importFile(bytes("x\nJOINT\0\n  1  X=0  Y=0  Z=0\n\n"), store), "");
    EXPECT_EQ(store.nodeCount, -1);
    EXPECT_NE(importFile(bytes("x\nJOINT\n  1  X=0\0"
                               "1  Y=0  Z=0\n\n"),
                         store),
              "");

    // A last table without its blank line, whatever the final line end.
    EXPECT_EQ(importFile("x\nJOINT\n  1  X=0  Y=0  Z=0\n", store), "Range check error (table JOINT, line 2)");
    EXPECT_EQ(importFile("x\nJOINT\n  1  X=0  Y=0  Z=0", store), "Range check error (table JOINT, line 2)");
    EXPECT_EQ(importFile("x\nJOINT\n  1  X=0  Y=0  Z=0\n\n", store), "");
    EXPECT_EQ(importFile("", store), "");
    EXPECT_EQ(importFile("\r\n\r\n\n\r", store), "");
    EXPECT_EQ(store.nodeCount, -1);

    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::string noise(4096, '\0');
        for (auto& c : noise)
            c = static_cast<char>(random());
        // Noise under each header, so the readers see it as data lines.
        for (const char* keyword : {"JOINT", "FRAME", "LOAD"}) {
            ModelStore noisy;
            importFile(std::string("x\n") + keyword + "\n" + noise + "\n\n", noisy);
        }
    }
}

TEST(ImportDriver, MutatedExampleFilesFailOnlyWithImportErrors) {
    const std::string original =
        readFile(std::string(KELVANE_SOURCE_DIR) + "/examples/three-storey-rc-frame.s2k");
    std::mt19937 random(20261208);
    const std::string alphabet = bytes(" =,\"\n\r\t0123456789-+.eEJOINTADDNAMEUXR\0\xff");
    int succeeded = 0;
    int failed = 0;
    for (int round = 0; round < 400; ++round) {
        const std::string text = test::mutatedText(original, random, alphabet, 8);
        ModelStore store;
        if (importFailure(store, text).empty())
            ++succeeded;
        else
            ++failed;
    }
    // Both outcomes occur: the mutations reach the readers' failure paths and their success paths.
    EXPECT_GT(succeeded, 0);
    EXPECT_GT(failed, 0);
}
