#include "results/node_results.h"
#include "results_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace kelvane {
namespace {

using test::errorOf;
using test::resultsData;
using test::storeWith;

// The values written into tests/data/results/joints250 for joint n at step s.
void expectJointAtStep(const ModelStore& store, int n, int s) {
    const TNODE& joint = store.nodes[static_cast<std::size_t>(n)];
    EXPECT_NEAR(joint.ux, s + n / 1000.0, 1e-12) << "joint " << n;
    EXPECT_NEAR(joint.uy, -n * s * 1e-5, 1e-12) << "joint " << n;
    EXPECT_NEAR(joint.uz, n * s * 1e-7, 1e-15) << "joint " << n;
}

TEST(NodeDeformation, ReadsTheStepLineOfEveryBlockFile) {
    ModelStore store = storeWith(250);
    loadNodeDeformation(store, resultsData("joints250"), 2);
    for (int n : {1, 100, 101, 200, 201, 250})
        expectJointAtStep(store, n, 2);
    EXPECT_EQ(store.nodes[250].ux, 2.25); // fields 148-150 of line 2 of node2.out
    EXPECT_EQ(errorOf([&] { loadNodeDeformation(store, resultsData("joints250"), 0); }),
              "List index out of bounds (-1)");
    EXPECT_EQ(errorOf([&] { loadNodeDeformation(store, resultsData("joints250/"), 4); }),
              "List index out of bounds (3): step 4 is past the end of node0.out, whose last step is 3");
}

TEST(NodeDeformation, ReadsExactlyTheBlocksTheJointCountNeeds) {
    test::TempDir folder;
    for (const char* name : {"node0.out", "node1.out"})
        std::filesystem::copy_file(resultsData("joints250/") + name, folder.file(name));
    ModelStore twoHundred = storeWith(200);
    loadNodeDeformation(twoHundred, folder.path().string(), 3);
    expectJointAtStep(twoHundred, 200, 3);

    ModelStore twoHundredOne = storeWith(201);
    const std::string message =
        errorOf([&] { loadNodeDeformation(twoHundredOne, folder.path().string(), 3); });
    EXPECT_EQ(message.rfind("Cannot open file \"" + folder.file("node2.out") + "\". ", 0), 0u) << message;
    expectJointAtStep(twoHundredOne, 200, 3); // blocks read before the failure keep their values
}

TEST(NodeDeformation, LinesThatAreNotPlainNumbersConvertOrFailWithTheirMessages) {
    test::TempDir folder;
    ModelStore store = storeWith(1);
    auto load = [&](const std::string& content, int joints = 1) {
        test::writeFile(folder.file("node0.out"), content);
        store = storeWith(joints);
        return errorOf([&] { loadNodeDeformation(store, folder.path().string(), 1); });
    };
    EXPECT_EQ(load("0.5 1.0e-003 -2.0e-003 0\r\n"), "");
    EXPECT_EQ(store.nodes[1].uy, -0.002);
    EXPECT_EQ(load("t +1.5 2E+000 -.25 words past the block\n"), ""); // the time and the rest are not read
    EXPECT_EQ(store.nodes[1].ux, 1.5);
    EXPECT_EQ(store.nodes[1].uz, -0.25);
    EXPECT_EQ(load("0.5  1.0e-003 -2.0e-003 0\n"), "'' is not a valid floating point value");
    EXPECT_EQ(load("0 1 nan 3\n"), "'nan' is not a valid floating point value");
    const std::string line1 = "Line 1 of file \"" + folder.file("node0.out") + "\" has ";
    EXPECT_EQ(load("0 1 2 3 4 5\n", 2), line1 + "6 fields; 7 are needed");
    EXPECT_EQ(store.nodes[1].ux, 0.0); // a short line is refused before anything is stored
    EXPECT_EQ(load("0" + std::string(1200, ' ') + "\n"),
              "'' is not a valid floating point value"); // read, not refused
}

TEST(ModeShape, ReadsTheFirstLineOfTheModesFiles) {
    ModelStore store = storeWith(120);
    loadModeShape(store, resultsData("modes120"), 2); // second lines hold 9s
    for (int n : {1, 100, 101, 120}) {
        EXPECT_NEAR(store.nodes[static_cast<std::size_t>(n)].ux, 2 * n / 100.0, 1e-12) << n;
        EXPECT_NEAR(store.nodes[static_cast<std::size_t>(n)].uy, -2 * n / 50.0, 1e-12) << n;
    }
    const std::string message = errorOf([&] { loadModeShape(store, resultsData("modes120"), 3); });
    EXPECT_EQ(message.rfind("Cannot open file \"" + resultsData("modes120") + "/eigen3_node0.out\". ", 0), 0u)
        << message;
}

TEST(ClearResults, ZeroesDisplacementsAndEndValuesAndKeepsHistories) {
    ModelStore store = storeWith(2, 1);
    store.nodes[2].ux = store.nodes[2].uy = store.nodes[2].uz = 1;
    store.nodes[2].histUX = {0, 7};
    store.frames[1].hingeValueI = store.frames[1].hingeValueJ = 0.5;
    clearResults(store);
    EXPECT_EQ(store.nodes[2].ux + store.nodes[2].uy + store.nodes[2].uz, 0.0);
    EXPECT_EQ(store.frames[1].hingeValueI + store.frames[1].hingeValueJ, 0.0);
    EXPECT_EQ(store.nodes[2].histUX[1], 7.0);
}

} // namespace
} // namespace kelvane
