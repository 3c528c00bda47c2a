#include "common/number_format.h"
#include "results/curves.h"
#include "results_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

// The curves read from hand-made recorder files, as a finished or a still running solver leaves them.
namespace kelvane {
namespace {

using test::errorOf;
using test::storeWith;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A recorder line: the time, then three values per object of the block, value(object, component).
template <typename Value> std::string recorderLine(double time, int objects, Value value) {
    std::string line = formatGeneral(time);
    for (int k = 0; k < objects; ++k)
        for (int c = 1; c <= 3; ++c)
            line += " " + formatGeneral(value(k, c));
    return line + "\n";
}

class CurvesTest : public ::testing::Test {
  protected:
    std::string folder() const { return dir.path().string(); }
    void write(const std::string& name, const std::string& text) { test::writeFile(dir.file(name), text); }
    test::TempDir dir;
};

// Joints 101..150 lie in node1.out; joint 120 is its 20th joint. The solver is writing line 4.
TEST_F(CurvesTest, JointHistoryReadsTheJointsColumnAndLeavesOutAPartlyWrittenLine) {
    ModelStore store = storeWith(150);
    std::string text;
    for (int step = 1; step <= 3; ++step)
        text +=
            recorderLine(0.25 * step, 50, [&](int k, int c) { return step * 100.0 + (101 + k) + c / 10.0; });
    write("node1.out", text + "1 101.1 101.2 10");
    const Curve byStep = jointHistoryCurve(store, folder(), 120, 2, Abscissa::Step);
    EXPECT_THAT(byStep.x, ElementsAre(1, 2, 3));
    EXPECT_THAT(byStep.y, ElementsAre(220.2, 320.2, 420.2));
    EXPECT_THAT(byStep.notes,
                ElementsAre(HasSubstr("node1.out\" is still being written and was left out (3 steps")));
    EXPECT_EQ(byStep.xColumn + "," + byStep.yColumn, "step,displacement");
    EXPECT_EQ(byStep.title, "Displacement UY of joint 120");

    const Curve byTime = jointHistoryCurve(store, folder(), 150, 3, Abscissa::Time);
    EXPECT_THAT(byTime.x, ElementsAre(0.25, 0.5, 0.75));
    EXPECT_THAT(byTime.y, ElementsAre(250.3, 350.3, 450.3));
    EXPECT_EQ(jointHistoryCurve(store, folder(), 101, 1, Abscissa::LoadFactor).xTitle, "Load factor");

    write("node1.out", text); // the finished file
    EXPECT_TRUE(jointHistoryCurve(store, folder(), 120, 2, Abscissa::Step).notes.empty());
}

TEST_F(CurvesTest, RefusesWhatTheFilesCannotHold) {
    ModelStore store = storeWith(150);
    store.nodes[3].restraint[1] = 1;
    write("node0.out", "0.1 1 2\n0.2 1 x\n");
    EXPECT_EQ(errorOf([&] { jointHistoryCurve(store, folder(), 151, 1, Abscissa::Step); }),
              "Joint 151 is not a joint of the model, whose joints are numbered 1 to 150");
    EXPECT_THAT(errorOf([&] { jointHistoryCurve(store, folder(), 1, 4, Abscissa::Step); }),
                HasSubstr("(degrees of freedom 1 to 3), not degree of freedom 4"));
    EXPECT_THAT(
        errorOf([&] { jointHistoryCurve(store, folder(), 1, 2, Abscissa::Step); }),
        HasSubstr("'x' is not a valid floating point value (line 2 of file \"" + dir.file("node0.out")));
    EXPECT_THAT(errorOf([&] { jointHistoryCurve(store, folder(), 2, 1, Abscissa::Step); }),
                HasSubstr("Line 1 of file \"" + dir.file("node0.out") + "\" has 3 fields; 5 are needed"));
    EXPECT_THAT(errorOf([&] { baseShearHistory(store, folder(), 1, Abscissa::Time); }),
                HasSubstr("Cannot open file \"" + dir.file("reaction0.out") + "\""));
    store.nodes[3].restraint[1] = 0;
    EXPECT_EQ(errorOf([&] { baseShearHistory(store, folder(), 1, Abscissa::Time); }),
              "The model has no supports restrained along X, so it has no base reactions to sum");
}

// 120 supports: reaction0.out holds the first 100, reaction1.out the last 20, one step behind. Joint
// 120 is held only against a rotation: the force a diaphragm passes through it is no base reaction.
TEST_F(CurvesTest, BaseShearSumsEverySupportOfEveryBlockOverTheStepsAllFilesHold) {
    ModelStore store = storeWith(120);
    for (int n = 1; n <= 119; ++n)
        store.nodes[static_cast<std::size_t>(n)].restraint = {0, 1, 0, 1, 0, 0, 0};
    store.nodes[120].restraint[4] = 1;
    std::string first, second;
    for (int step = 1; step <= 3; ++step) {
        auto reaction = [&](int, int c) { return -step * (c == 1 ? 1.0 : 0.5); };
        first += recorderLine(0.02 * step, 100, reaction);
        if (step < 3)
            second += recorderLine(0.02 * step, 20, reaction);
    }
    write("reaction0.out", first);
    write("reaction1.out", second + "0.06 -3");
    const Curve x = baseShearHistory(store, folder(), 1, Abscissa::Time);
    EXPECT_THAT(x.x, ElementsAre(0.02, 0.04));
    EXPECT_THAT(x.y, ElementsAre(119.0, 238.0));
    EXPECT_EQ(x.notes.size(), 2u) << "the partly written line and the shorter file";
    EXPECT_THAT(baseShearHistory(store, folder(), 3, Abscissa::Step).y, ElementsAre(59.5, 119.0));
    EXPECT_THAT(errorOf([&] { baseShearHistory(store, folder(), 2, Abscissa::Step); }),
                HasSubstr("no supports restrained along Y"));
}

// Supports 1 and 3 carry the pushed joint 2's load: V = 2 * 5 kN per millimetre.
TEST_F(CurvesTest, PushoverStartsFromRestOrFromTheEndOfTheGravityStage) {
    ModelStore store = storeWith(3);
    store.nodes[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    store.nodes[3].restraint = {0, 1, 1, 1, 1, 1, 1};
    std::string nodes, reactions;
    const double sway[] = {0.01, 0.02, 1.0, 2.0, 3.0}; // two gravity steps, then the push
    for (int s = 0; s < 5; ++s) {
        nodes += recorderLine(s + 1, 3, [&](int k, int c) { return k == 1 && c == 1 ? sway[s] : 0.0; });
        reactions += recorderLine(s + 1, 2, [&](int, int c) { return c == 1 ? -5.0 * sway[s] : 100.0; });
    }
    write("node0.out", nodes);
    write("reaction0.out", reactions);

    AnalysisSettings single;
    single.analysisType = SingleDisplacementControl;
    const Curve push = pushoverCurve(store, single, folder(), 2, 1);
    EXPECT_THAT(push.x, ElementsAre(0, 0.01, 0.02, 1, 2, 3));
    EXPECT_THAT(push.y, ElementsAre(0, 0.1, 0.2, 10, 20, 30));
    EXPECT_EQ(push.xColumn + "," + push.yColumn, "control displacement,base shear");

    AnalysisSettings gravityFirst;
    gravityFirst.analysisType = GravityPushOver;
    gravityFirst.loadSteps = 2;
    const Curve afterGravity = pushoverCurve(store, gravityFirst, folder(), 2, 1);
    EXPECT_THAT(afterGravity.x, ElementsAre(0.02, 1, 2, 3));
    EXPECT_THAT(afterGravity.y, ElementsAre(0.2, 10, 20, 30));
    EXPECT_THAT(pushoverCurve(store, gravityFirst, folder(), 2, 3).y, ElementsAre(-200, -200, -200, -200));

    gravityFirst.loadSteps = 5;
    EXPECT_EQ(errorOf([&] { pushoverCurve(store, gravityFirst, folder(), 2, 1); }),
              "The recorder files hold 5 steps, no more than the 5 of the gravity stage: the pushover stage "
              "has recorded none");
}

// Gravity, "loadConst -time 0.0", then the push: the time starts afresh with the second stage.
TEST_F(CurvesTest, ATimeThatStartsAfreshBeginsANewStage) {
    ModelStore store = storeWith(1);
    store.nodes[1].restraint[1] = 1;
    write("reaction0.out", "0.5 -1 0 0\n1 -2 0 0\n0.1 -3 0 0\n0.2 -4 0 0\n");
    EXPECT_THAT(baseShearHistory(store, folder(), 1, Abscissa::LoadFactor).stageStarts, ElementsAre(2u));
    EXPECT_TRUE(baseShearHistory(store, folder(), 1, Abscissa::Step).stageStarts.empty());
}

TEST_F(CurvesTest, PeriodsFromTheEigenvaluesOfTheModalProcedure) {
    const double omega1 = 2 * std::numbers::pi; // 1 s
    write("Periods.txt",
          " " + formatGeneral(omega1 * omega1) + " " + formatGeneral(16 * omega1 * omega1) + "\n");
    const auto periods = readModalPeriods(folder());
    ASSERT_EQ(periods.size(), 2u);
    EXPECT_NEAR(periods[0].period, 1.0, 1e-12);
    EXPECT_NEAR(periods[1].period, 0.25, 1e-12);
    EXPECT_NEAR(periods[1].frequency, 4.0, 1e-12);
    EXPECT_THAT(periodCurve(periods).y, ElementsAre(periods[0].period, periods[1].period));
    const auto csv = periodCsvLines(periods);
    EXPECT_EQ(csv.front(), "mode,eigenvalue,period,frequency");
    EXPECT_THAT(csv[1], testing::StartsWith("1,39.4784176043574,1,1"));

    write("Periods.txt", " 39.47 -0.002 ");
    EXPECT_THAT(errorOf([&] { readModalPeriods(folder()); }),
                HasSubstr("The eigenvalue of mode 2 in \"" + dir.file("Periods.txt") + "\" is -0.002"));
    write("Periods.txt", " 39.47 nan");
    EXPECT_THAT(errorOf([&] { readModalPeriods(folder()); }), HasSubstr("(eigenvalue 2 of file"));
    write("Periods.txt", " \r\n");
    EXPECT_THAT(errorOf([&] { readModalPeriods(folder()); }), HasSubstr("holds no eigenvalue"));
}

TEST(CurveCsv, HeaderThenOnePointALine) {
    Curve curve;
    curve.xColumn = "time";
    curve.yColumn = "base shear";
    curve.x = {0.02, 0.04};
    curve.y = {-1e-7, 12500.5};
    EXPECT_THAT(curveCsvLines(curve), ElementsAre("time,base shear", "0.02,-1E-7", "0.04,12500.5"));
}

} // namespace
} // namespace kelvane
