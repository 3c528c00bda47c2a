// Malformed recorder files, one class of fault per row, through each reader: the node reader, the
// mode-shape reader, the section-deformation reader and the displacement history. Each row gives
// the message, and the blocks read before a failure keep their values.
#include "results/displacement_history.h"
#include "results/node_results.h"
#include "results/results_test_support.h"
#include "results/section_results.h"
#include "support/sanitizer_build.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kelvane {
namespace {

// Joints and frames whose section records four values per integration point (a fiber section of
// a nonlinear beam-column): the files of a block hold 3 fields per joint and 4 per frame.
ModelStore storeWith(int joints, int frames) {
    ModelStore store = test::storeWith(joints, frames);
    store.frameSections.resize(2);
    store.frameSectionCount = 1;
    store.frameSections[1].elementType = NonlinearBeamColumn;
    for (TFRAME& frame : store.frames)
        frame.section = 1;
    store.frames[0].section = 0;
    return store;
}

// One reader over a model of one joint and one frame: the files it reads for block 0, the fields
// their line needs, and how it is run for line `step` (the history reads lines 1..step).
struct Reader {
    const char* name;
    std::vector<std::string> files;
    int fieldsNeeded;
    std::function<void(ModelStore&, const std::string& folder, int step)> run;
    bool readsLineOfStep; // false for the mode shape, which always reads line 1
};

std::vector<Reader> readers() {
    return {
        {"node",
         {"node0.out"},
         4,
         [](ModelStore& s, const std::string& f, int step) { loadNodeDeformation(s, f, step); },
         true},
        {"mode shape",
         {"eigen1_node0.out"},
         4,
         [](ModelStore& s, const std::string& f, int) { loadModeShape(s, f, 1); },
         false},
        {"section",
         {"ele0_secs.out", "ele0_secn.out"},
         5,
         [](ModelStore& s, const std::string& f, int step) {
             ResultDisplay display;
             loadSectionDeformation(s, f, step, CurvatureKz, display);
         },
         true},
        {"displacement history",
         {"node0.out"},
         4,
         [](ModelStore& s, const std::string& f, int step) {
             AnimationState animation;
             LoadDisplacementHistory(s, animation, std::to_string(step), "1", f);
         },
         true},
    };
}

struct BadRecorder {
    const char* fault;
    std::string content;
    int step;
    std::string message; // "%f" stands for the path of the reader's first file, "%n" for the fields needed
};

std::string lineOfFields(int count) {
    std::string line = "0.1";
    for (int i = 1; i < count; ++i)
        line += " 0";
    return line + "\n";
}

std::vector<BadRecorder> badRecorders() {
    return {
        {"non-numeric field", "0.1 1 x2 3 4\n", 1, "'x2' is not a valid floating point value"},
        {"empty field", "0.1 1  2 3\n", 1, "'' is not a valid floating point value"},
        {"truncated line", "0.1 1 2\n", 1, "Line 1 of file \"%f\" has 3 fields; %n are needed"},
        {"empty file", "", 1, "List index out of bounds (0)"},
        {"step beyond the last line", "0.1 1 2 3\n", 2,
         "List index out of bounds (1): step 2 is past the end of %b, whose last step is 1"},
        {"step 0", "0.1 1 2 3\n", 0, "List index out of bounds (-1)"},
        {"line of 1201 fields, bad ones among those read", "0.1 x x x" + lineOfFields(1198).substr(3), 1,
         "'x' is not a valid floating point value"},
        {"binary bytes", "0.1 1 \x80\xff 3 4\n", 1, "'\x80\xff' is not a valid floating point value"},
        {"NUL inside a number", std::string("0.1 1 2") + '\0' + "5 3 4\n", 1,
         "'2\\05' is not a valid floating point value"},
    };
}

std::string expected(std::string message, const std::string& path, int fieldsNeeded) {
    if (const auto at = message.find("%f"); at != std::string::npos)
        message.replace(at, 2, path);
    if (const auto at = message.find("%b"); at != std::string::npos)
        message.replace(at, 2, std::filesystem::path(path).filename().string());
    if (const auto at = message.find("%n"); at != std::string::npos)
        message.replace(at, 2, std::to_string(fieldsNeeded));
    return message;
}

TEST(BadRecorderInput, EachFaultStopsEveryReaderWithItsMessage) {
    for (const Reader& reader : readers()) {
        for (const BadRecorder& row : badRecorders()) {
            if (!reader.readsLineOfStep && row.step != 1)
                continue;
            if (row.step == 0 && std::string(reader.name) == "displacement history")
                continue; // Nstep 0 reads no line at all
            SCOPED_TRACE(std::string(reader.name) + ": " + row.fault);
            test::TempDir folder;
            for (const std::string& file : reader.files)
                test::writeFile(folder.file(file), row.content);
            ModelStore store = storeWith(1, 1);
            const std::string message =
                test::errorOf([&] { reader.run(store, folder.path().string(), row.step); });
            EXPECT_EQ(message, expected(row.message, folder.file(reader.files[0]), reader.fieldsNeeded));
        }
    }
}

TEST(BadRecorderInput, MissingFileNamesItWithTheSystemsReason) {
    for (const Reader& reader : readers()) {
        SCOPED_TRACE(reader.name);
        test::TempDir folder;
        ModelStore store = storeWith(1, 1);
        EXPECT_EQ(test::errorOf([&] { reader.run(store, folder.path().string(), 1); }),
                  "Cannot open file \"" + folder.file(reader.files[0]) + "\". No such file or directory");
    }
}

TEST(BadRecorderInput, CarriageReturnLineEndsAndNulAtTheEndOfAFieldAreRead) {
    test::TempDir folder;
    test::writeFile(folder.file("node0.out"), std::string("0.1 1 2 3\r0.2 4") + '\0' + " 5 6\r");
    ModelStore store = test::storeWith(1);
    loadNodeDeformation(store, folder.path().string(), 2);
    EXPECT_EQ(store.nodes[1].ux, 4);
    EXPECT_EQ(store.nodes[1].uz, 6);
}

// 150 joints and frames: the files of the first block of 100 are sound, those of the second are
// not. The first block keeps what it read; the second keeps what it held before.
TEST(BadRecorderInput, BlocksReadBeforeTheFailureKeepTheirValues) {
    test::TempDir folder;
    std::string soundLine = "0.5";
    for (int i = 1; i <= 400; ++i)
        soundLine += " 7";
    for (const char* file : {"node0.out", "ele1_secs.out", "ele1_secn.out"})
        test::writeFile(folder.file(file), soundLine + "\n");
    std::string badLine = "0.5 bad";
    for (int i = 2; i <= 200; ++i)
        badLine += " 7";
    for (const char* file : {"node1.out", "ele0_secs.out"})
        test::writeFile(folder.file(file), badLine + "\n");
    ModelStore store = storeWith(150, 150);
    for (int k = 1; k <= 150; ++k) {
        store.nodes[k].ux = 42;
        store.frames[k].hingeValueI = store.frames[k].hingeValueJ = 42;
    }

    EXPECT_EQ(test::errorOf([&] { loadNodeDeformation(store, folder.path().string(), 1); }),
              "'bad' is not a valid floating point value");
    EXPECT_EQ(store.nodes[100].ux, 7);
    EXPECT_EQ(store.nodes[101].ux, 42);

    ResultDisplay display;
    EXPECT_EQ(test::errorOf(
                  [&] { loadSectionDeformation(store, folder.path().string(), 1, AxialStrain, display); }),
              "'bad' is not a valid floating point value");
    EXPECT_EQ(store.frames[100].hingeValueI, 7);
    EXPECT_EQ(store.frames[100].hingeValueJ, 7);
    EXPECT_EQ(store.frames[101].hingeValueI, 42);
    EXPECT_EQ(display.ColourRangeMax, ResultDisplay{}.ColourRangeMax) << "no range from a failed read";

    AnimationState animation;
    EXPECT_EQ(
        test::errorOf([&] { LoadDisplacementHistory(store, animation, "1", "10", folder.path().string()); }),
        "'bad' is not a valid floating point value");
    EXPECT_EQ(store.nodes[100].histUX.at(1), 7);
    EXPECT_EQ(store.nodes[101].histUX.at(1), 0);
    EXPECT_EQ(animation.loadedSteps, 0) << "a history read in part is not playable";
}

// Within the failing line, the joints in front of the bad field, and the components of its own
// joint in front of it, hold the line's values; the rest keep what they held.
TEST(BadRecorderInput, ValuesInFrontOfTheBadFieldOfALineAreStored) {
    test::TempDir folder;
    test::writeFile(folder.file("node0.out"), "0.5 1 2 3 4 5 6 7 8 9\n1.0 11 12 13 14 x 16 17 18 19\n");
    ModelStore store = storeWith(3, 0);
    for (int k = 1; k <= 3; ++k)
        store.nodes[k].ux = store.nodes[k].uy = store.nodes[k].uz = 42;

    EXPECT_EQ(test::errorOf([&] { loadNodeDeformation(store, folder.path().string(), 2); }),
              "'x' is not a valid floating point value");
    EXPECT_EQ(store.nodes[1].uz, 13);
    EXPECT_EQ(store.nodes[2].ux, 14);
    EXPECT_EQ(store.nodes[2].uy, 42);
    EXPECT_EQ(store.nodes[2].uz, 42);
    EXPECT_EQ(store.nodes[3].ux, 42);

    AnimationState animation;
    EXPECT_EQ(
        test::errorOf([&] { LoadDisplacementHistory(store, animation, "2", "1", folder.path().string()); }),
        "'x' is not a valid floating point value");
    EXPECT_EQ(store.nodes[3].histUZ.at(1), 9);
    EXPECT_EQ(store.nodes[2].histUX.at(2), 14);
    EXPECT_EQ(store.nodes[2].histUY.at(2), 0);
    EXPECT_EQ(store.nodes[3].histUX.at(2), 0);
}

// A recorder file of about 100 MB (a million steps), read by every reader from its last line (the
// mode shape from its first).
TEST(BadRecorderInput, HundredMegabyteFileIsReadByEveryReader) {
    SKIP_LARGE_INPUT_UNDER_ASAN();
    constexpr int kSteps = 1'050'000;
    test::TempDir folder;
    const std::string big = folder.file("big.out");
    {
        std::FILE* file = std::fopen(big.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string padding =
            " 0.0000000 0.0000000 0.0000000 0.0000000 0.0000000 0.0000000 0.0000000 0.0000000";
        const std::string line = "0.1 1.5 -2.5 3.5" + padding + "\n";
        for (int step = 1; step < kSteps; ++step)
            std::fwrite(line.data(), 1, line.size(), file);
        const std::string last = "105000 7 8 9" + padding + "\n";
        std::fwrite(last.data(), 1, last.size(), file);
        std::fclose(file);
    }
    ASSERT_GT(std::filesystem::file_size(big), 100'000'000u);
    for (const char* name : {"node0.out", "eigen1_node0.out", "ele0_secs.out", "ele0_secn.out"})
        std::filesystem::create_hard_link(big, folder.file(name));
    const std::string path = folder.path().string();

    ModelStore store = storeWith(1, 1);
    loadNodeDeformation(store, path, kSteps);
    EXPECT_EQ(store.nodes[1].ux, 7);
    loadModeShape(store, path, 1);
    EXPECT_EQ(store.nodes[1].ux, 1.5);
    ResultDisplay display;
    loadSectionDeformation(store, path, kSteps, CurvatureKz, display);
    EXPECT_EQ(store.frames[1].hingeValueJ, 8);
    AnimationState animation;
    LoadDisplacementHistory(store, animation, std::to_string(kSteps), "1", path);
    EXPECT_EQ(animation.loadedSteps, kSteps);
    EXPECT_EQ(store.nodes[1].histUZ.at(kSteps), 9);
    EXPECT_EQ(store.nodes[1].histUY.at(1), -2.5);
}

} // namespace
} // namespace kelvane
