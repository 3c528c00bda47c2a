#include "common/error.h"
#include "script/ground_motion_file.h"
#include "script/model_builder.h"
#include "script/script_generator.h"
#include "support/test_support.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

// The ground-motion settings of the transient procedures, the checks that keep a transient script
// sound, and the PEER NGA records converted to the plain file the script reads.
namespace kelvane {
namespace {

using ::testing::HasSubstr;

std::string failure(ModelStore& store, const AnalysisSettings& analysis) {
    try {
        generateScript(store, analysis, RecorderSettings{});
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "no error";
}

// The lines from "set xDamp" on.
ScriptLines transientLines(ModelStore& store, const AnalysisSettings& analysis) {
    const ScriptLines lines = generateScript(store, analysis, RecorderSettings{});
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& line) { return line.starts_with("set xDamp"); });
    return ScriptLines(first, lines.end());
}

TEST(GroundMotionSettings, TheRecordDampingAndStepsReachTheirLines) {
    ModelStore store;
    AnalysisSettings a;
    a.gmFile = "../motions/RSN6_IMPVALL.txt";
    a.gmDt = 0.005;
    a.gmFactor = 0.1 * 3; // a planned scale: written 0.3, not 0.30000000000000004
    a.gmDirection = 2;
    a.thDt = 0.01;
    a.thSteps = 4000;
    a.dampingRatio = 0.02;
    for (int type : {TimeHistoryAnalysis, GravityTimeHistoryAnalysis}) {
        a.analysisType = type;
        const ScriptLines lines = transientLines(store, a);
        ASSERT_GE(lines.size(), 30u);
        EXPECT_EQ(lines[0], "set xDamp 0.02");
        const auto record = std::find(lines.begin(), lines.end(), "set IDloadTag 1001;");
        ASSERT_LE(record + 5, lines.end());
        EXPECT_EQ(ScriptLines(record, record + 5),
                  (ScriptLines{"set IDloadTag 1001;", "set iGMfile \"../motions/RSN6_IMPVALL.txt\";",
                               "set iGMdirection \"2\"; ", "set iGMfact \"0.3\";  ", "set dt 0.005;   "}));
        // Each 0.01 s step is split in two, so that no point of the 0.005 s record is stepped over.
        EXPECT_EQ(lines.back(), "analyze 8000 0.005");
    }
    a.analysisType = MultipleSupportExcitation;
    const ScriptLines multi = transientLines(store, a);
    EXPECT_EQ(multi.front(), "set xDamp 0.02");
    EXPECT_EQ(multi.back(), "analyze 4000 0.01 ");
    // The multi-support records stay the displacement files DM1X.txt with their own factor.
    EXPECT_EQ(std::count(multi.begin(), multi.end(), "set iGMfile \"DM1X.txt\";"), 1);
    EXPECT_EQ(std::count(multi.begin(), multi.end(), "set iGMfact \"1\";"), 2);
}

// Steps no longer than the record's, ending on thDt; a step longer only by round-off is not split.
TEST(GroundMotionSettings, AnalysisStepsSplitDownToTheRecordsTimeStep) {
    const std::tuple<double, const char*> cases[] = {{0.0075, "analyze 300 0.00666666666666667"},
                                                     {0.04, "analyze 100 0.02"},
                                                     {0.02 * (1 - 1e-12), "analyze 100 0.02"}};
    ModelStore store;
    for (const auto& [gmDt, last] : cases) {
        AnalysisSettings a;
        a.analysisType = TimeHistoryAnalysis;
        a.thSteps = 100;
        a.gmDt = gmDt;
        EXPECT_EQ(transientLines(store, a).back(), last) << gmDt;
    }
}

TEST(GroundMotionSettings, TransientScriptsThatCouldNotBeSoundAreRefused) {
    ModelStore store;
    struct Case {
        int type;
        void (*change)(AnalysisSettings&);
        const char* message;
    };
    const Case cases[] = {
        {5, [](AnalysisSettings& a) { a.thDt = 0; },
         "The analysis time step (thDt) is 0; it must be greater than 0"},
        {7, [](AnalysisSettings& a) { a.thSteps = 0; },
         "The number of analysis steps (thSteps) is 0; the transient analysis needs at least 1"},
        {6, [](AnalysisSettings& a) { a.dampingRatio = -0.05; },
         "The damping ratio (dampingRatio) is -0.05; it must not be negative"},
        {5, [](AnalysisSettings& a) { a.gmDt = -0.02; },
         "The record's time step (gmDt) is -0.02; it must be greater than 0"},
        {6, [](AnalysisSettings& a) { a.gmDirection = 4; },
         "The record's direction (gmDirection) is 4; it shakes the model along X, Y or Z: 1, 2 or 3"},
        {5, [](AnalysisSettings& a) { a.gmFile = "GM 1.txt"; },
         "The ground-motion record file name \"GM 1.txt\""},
        {5, [](AnalysisSettings& a) { a.gmFile = "RSN6.at2"; }, "The record \"RSN6.at2\" is a PEER NGA file"},
        {6, [](AnalysisSettings& a) { a.gmFile = "./node0.out"; },
         "The record \"./node0.out\" lies beside the script with the extension of its recorder files"},
        {5, [](AnalysisSettings& a) { a.gmFactor = std::numeric_limits<double>::infinity(); },
         "The record's factor (gmFactor) is INF; it must be a finite number"},
    };
    for (const Case& c : cases) {
        AnalysisSettings a;
        a.analysisType = c.type;
        c.change(a);
        EXPECT_THAT(failure(store, a), HasSubstr(c.message));
        // The other procedures do not read these settings.
        a.analysisType = SingleLoadControl;
        EXPECT_EQ(failure(store, a), "no error");
    }
    // Multi-support reads its own records: the uniform excitation's record settings do not matter.
    AnalysisSettings multi;
    multi.analysisType = MultipleSupportExcitation;
    multi.gmDt = 0;
    multi.gmFile = "RSN6.AT2";
    EXPECT_EQ(failure(store, multi), "no error");
}

TEST(PeerRecords, BothHeaderLayoutsGiveTheTimeStepAndTheValuesInG) {
    const PeerRecord west2 = readPeerRecord(test::dataPath("records/west2-header.AT2"));
    EXPECT_EQ(west2.dt, 0.005);
    EXPECT_EQ(west2.accelerations, (std::vector<double>{0.01, 0.02, -0.03, 0.04, -0.05, 0.06, 0}));
    const PeerRecord early = readPeerRecord(test::dataPath("records/early-header.AT2"));
    EXPECT_EQ(early.dt, 0.01);
    EXPECT_EQ(early.accelerations, (std::vector<double>{0.1, -0.2, 0.25, -0.125, 0.05}));
}

TEST(PeerRecords, ACorruptRecordIsRefusedNamingItsLine) {
    test::TempDir dir;
    const std::string path = dir.file("bad.AT2");
    const std::string head =
        "PEER NGA STRONG MOTION DATABASE RECORD\nEVENT\nACCELERATION TIME SERIES IN UNITS OF G\n";
    const std::pair<std::string, std::string> cases[] = {
        {head + "NPTS=    3, DT=   .0100 SEC\n.1 .2\n", "holds 2 values, but its header gives NPTS=3"},
        {head + "NPTS=    2, DT=   .0100 SEC\n.1 .2 .3\n",
         "line 5: the record holds more values than the 2 its header gives (NPTS)"},
        {head + "NPTS=    3, DT=   .0100 SEC\n.1 .2\n.3E-0x\n", "line 6: '.3E-0x' is not a number"},
        {head + "NPTS=    3, DT=   0 SEC\n.1 .2 .3\n",
         "line 4: DT is 0; the time step must be greater than 0"},
        {head + "NPTS=  2.5, DT=   .01 SEC\n.1 .2 .3\n", "line 4: NPTS is 2.5, not a number of points"},
        {head + "3 points at .01 s\n.1 .2 .3\n", "line 4: \"3 points at .01 s\" gives neither NPTS= and DT="},
        {"PEER\nEVENT\nVELOCITY TIME SERIES IN UNITS OF CM/SEC\nNPTS= 1, DT= .01 SEC\n.1\n",
         "line 3: a PEER NGA acceleration record gives its values in units of g"},
        {"0.1\n0.2\n", "is not a PEER NGA record: it has 2 lines, fewer than the four of the header"},
    };
    for (const auto& [text, message] : cases) {
        test::writeFile(path, text);
        EXPECT_THAT(test::errorOf([&] { readPeerRecord(path); }), HasSubstr(message)) << text;
    }
}

TEST(PlainRecords, EveryWordMustBeANumber) {
    test::TempDir dir;
    const std::string path = dir.file("GM.txt");
    test::writeFile(path, "0.0\r\n1.5 -2.5e-1\r\n\r\n3\r\n");
    EXPECT_EQ(checkPlainRecord(path), 4u);
    test::writeFile(path, "0.0\n1,5\n");
    EXPECT_EQ(test::errorOf([&] { checkPlainRecord(path); }),
              "Record file \"" + path + "\", line 2: '1,5' is not a number");
    test::writeFile(path, " \n\n");
    EXPECT_EQ(test::errorOf([&] { checkPlainRecord(path); }), "Record file \"" + path + "\" holds no values");
}

TEST(PeerRecords, AScriptNamesTheConvertedFileBesideItInMillimetresPerSecondSquared) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "motions");
    std::filesystem::copy_file(test::dataPath("records/early-header.AT2"), dir.path() / "motions/RSN9.AT2");
    AnalysisSettings a;
    a.analysisType = TimeHistoryAnalysis;
    a.gmFile = "motions/RSN9.AT2"; // taken from the script's folder
    const ScriptGroundMotion motion = scriptGroundMotion(a, dir.path().string());
    EXPECT_EQ(motion.peerRecord, (dir.path() / "motions/RSN9.AT2").string());
    EXPECT_EQ(motion.analysis.gmFile, "RSN9.txt");
    EXPECT_EQ(motion.analysis.gmDt, 0.01);
    writeConvertedRecord(motion, dir.path().string());
    EXPECT_EQ(test::readFile(dir.file("RSN9.txt")),
              "980.665\r\n-1961.33\r\n2451.6625\r\n-1225.83125\r\n490.3325\r\n");

    ModelStore store;
    const ScriptLines lines = transientLines(store, motion.analysis);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "set iGMfile \"RSN9.txt\";"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "set dt 0.01;   "), lines.end());

    // A plain record, and any other procedure, keep the settings and convert nothing.
    a.gmFile = "GMX.txt";
    EXPECT_TRUE(scriptGroundMotion(a, dir.path().string()).peerRecord.empty());
    a.gmFile = "missing.AT2";
    a.analysisType = GravityPushOver;
    EXPECT_EQ(scriptGroundMotion(a, dir.path().string()).analysis.gmFile, "missing.AT2");
}

} // namespace
} // namespace kelvane
