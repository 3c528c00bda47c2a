#include "results/frame_forces.h"
#include "results/result_display.h"
#include "results_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {
namespace {

using test::errorOf;
using test::storeWithFrameTypes;

TEST(FrameForces, ValuesPerFrameFollowTheElement) {
    const std::pair<std::int32_t, int> counts[] = {{ElasticBeamColumn, 12},
                                                   {NonlinearBeamColumn, 12},
                                                   {DispBeamColumn, 12},
                                                   {BeamWithHinge, 12},
                                                   {Truss, 12},
                                                   {CorotTruss, 12},
                                                   {RigidLink, 3},
                                                   {0, 0}};
    for (const auto& [type, count] : counts) {
        EXPECT_EQ(forceValueCount(type), count) << type;
        EXPECT_EQ(hasForceOutput(type), count == 12) << type;
    }
}

// The solver's local y is minus local 3 and its z local 2; end I is a negative face, end J a
// positive one; M3 is the moment about +3 on the positive face and M2 the moment about -2.
TEST(FrameForces, SolverLocalForcesTurnIntoTheModelFilesAxesAndSigns) {
    struct Case {
        int solverIndex; // N, Vy, Vz, T, My, Mz at I (0..5), then at J (6..11)
        int index;       // N, V2, V3, T, M2, M3 at I, then at J
        double sign;
    };
    const Case cases[] = {{0, 0, -1}, {1, 2, 1},  {2, 1, -1}, {3, 3, -1}, {4, 5, 1},    {5, 4, 1},
                          {6, 6, 1},  {7, 8, -1}, {8, 7, 1},  {9, 9, 1},  {10, 11, -1}, {11, 10, -1}};
    for (const Case& c : cases) {
        EndForces solver{};
        solver[static_cast<std::size_t>(c.solverIndex)] = 7;
        EndForces expected{};
        expected[static_cast<std::size_t>(c.index)] = 7 * c.sign;
        EXPECT_EQ(frameEndForces(solver), expected) << "solver value " << c.solverIndex;
    }
}

TEST(FrameForces, ReadsEachFramesValuesAtItsOwnOffsetInTheRecorderNumbering) {
    // ele1 holds frames 1-100, ele2 101-200, ele0 the remainder 201-250 (see tests/data/results).
    std::vector<std::int32_t> types;
    for (int f = 1; f <= 250; ++f)
        types.push_back(f % 10 == 0 ? RigidLink : f % 10 == 5 ? 0 : NonlinearBeamColumn);
    ModelStore store = storeWithFrameTypes(types);
    store.frames[15].hasEndForces = true; // from an earlier read: a frame without output is cleared
    loadFrameForces(store, test::resultsData("forces250"), 2);
    for (int f : {1, 99, 101, 199, 201, 249}) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        ASSERT_TRUE(frame.hasEndForces) << f;
        const auto solver = [f](int v) { return 2.0 * (1000 * f + v); };
        EXPECT_EQ(endForce(frame, EndI, ForceN), -solver(0)) << f;
        EXPECT_EQ(endForce(frame, EndI, ForceV2), -solver(2)) << f;
        EXPECT_EQ(endForce(frame, EndJ, ForceV3), -solver(7)) << f;
        EXPECT_EQ(endForce(frame, EndJ, ForceM3), -solver(10)) << f;
    }
    for (int f : {10, 15, 200, 250})
        EXPECT_FALSE(store.frames[static_cast<std::size_t>(f)].hasEndForces) << f;
}

// Two full blocks of 100 beam-columns: 1201 fields a line, the files of every real building.
TEST(FrameForces, ReadsFilesOfTwoHundredFramesWhateverTheirLineLength) {
    test::TempDir folder;
    for (int file : {1, 2}) {
        std::string text;
        for (int step : {1, 2}) {
            text += std::to_string(step);
            for (int f = 100 * (file - 1) + 1; f <= 100 * file; ++f)
                for (int v = 0; v < 12; ++v)
                    text += " " + std::to_string(step * (100 * f + v));
            text += "\n";
        }
        test::writeFile(folder.file("ele" + std::to_string(file) + ".out"), text);
    }
    ModelStore store = storeWithFrameTypes(std::vector<std::int32_t>(200, ElasticBeamColumn));
    loadFrameForces(store, folder.path().string(), 2);
    for (int f : {1, 100, 101, 200}) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        ASSERT_TRUE(frame.hasEndForces) << f;
        EXPECT_EQ(endForce(frame, EndI, ForceN), -2.0 * (100 * f)) << f;
        EXPECT_EQ(endForce(frame, EndJ, ForceM3), -2.0 * (100 * f + 10)) << f;
    }
}

class SmallForceFiles : public ::testing::Test {
  protected:
    std::string load(const std::string& text, std::int32_t step = 1) {
        test::writeFile(folder.file("ele0.out"), text);
        return errorOf([&] { readFrameForces(store, display, folder.path().string(), step); });
    }
    test::TempDir folder;
    ModelStore store = storeWithFrameTypes({ElasticBeamColumn, RigidLink, ElasticBeamColumn});
    ResultDisplay display;
};

TEST_F(SmallForceFiles, BadInputsStopTheReadAndKeepTheFramesInFrontOfTheFailure) {
    const std::string values = " 1 2 3 4 5 6 7 8 9 10 11 12";
    const std::string line = "0.1" + values + " 0 0 0" + values + "\n";
    EXPECT_EQ(load(line, 2),
              "List index out of bounds (1): step 2 is past the end of ele0.out, whose last step is 1");
    EXPECT_EQ(display.forces.step, 2); // noted before the read
    EXPECT_EQ(load("0.1" + values + "\n"),
              "Line 1 of file \"" + folder.file("ele0.out") + "\" has 13 fields; 28 are needed");
    EXPECT_EQ(load("0.1" + values + " 0 0 0 1 2 x 4 5 6 7 8 9 10 11 12\n"),
              "'x' is not a valid floating point value");
    EXPECT_TRUE(store.frames[1].hasEndForces);
    EXPECT_EQ(endForce(store.frames[1], EndJ, ForceN), 7.0);
    EXPECT_FALSE(store.frames[3].hasEndForces);
    EXPECT_EQ(load(line), "");
    EXPECT_EQ(endForce(store.frames[3], EndI, ForceM2), 6.0);
}

} // namespace
} // namespace kelvane
