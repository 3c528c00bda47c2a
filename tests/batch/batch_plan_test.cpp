#include "batch/batch_collect.h"
#include "batch/batch_plan.h"
#include "batch/set_lock.h"
#include "common/error.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "support/test_support.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

// Planning an ensemble: the run folders, their scripts and records, the manifest, and the plans
// that are refused without a file written.
namespace kelvane {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class BatchPlanTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store = importModelFile(test::dataPath("solver/shear-building.s2k"), initPalette()).store;
        analysis.analysisType = TimeHistoryAnalysis;
        analysis.gmFactor = 2;
        test::writeFile(dir.file("GM 1.txt"), "0\r\n100\r\n-50\r\n");
        fs::copy_file(test::dataPath("records/west2-header.AT2"), dir.path() / "RSN9.AT2");
    }
    std::string plan(const std::vector<std::string>& records, const std::vector<double>& scales) {
        try {
            planBatch(store, analysis, recorders, records, scales, set);
        } catch (const KelvaneError& e) {
            return e.what();
        }
        return "no error";
    }
    std::string line(const std::string& script, const std::string& start) {
        const std::string text = test::readFile(script);
        const auto at = text.find("\r\n" + start);
        return at == std::string::npos ? std::string()
                                       : text.substr(at + 2, text.find("\r\n", at + 2) - at - 2);
    }

    test::TempDir dir;
    fs::path set = dir.path() / "set";
    ModelStore store;
    AnalysisSettings analysis;
    RecorderSettings recorders;
};

TEST_F(BatchPlanTest, EveryRecordAtEveryScaleGetsAFolderWithItsScriptAndRecord) {
    ASSERT_EQ(plan({dir.file("GM 1.txt"), dir.file("RSN9.AT2")}, {1.5, 0.5}), "no error");
    EXPECT_EQ(test::readFile((set / "manifest.csv").string()),
              "run,record,scale,folder\r\n1,GM 1.txt,1.5,GM_1_1.5\r\n2,GM 1.txt,0.5,GM_1_0.5\r\n"
              "3,RSN9.AT2,1.5,RSN9_1.5\r\n4,RSN9.AT2,0.5,RSN9_0.5\r\n");
    // The plain record is copied as it is, under a name the script can carry; its time step is gmDt.
    EXPECT_EQ(test::readFile((set / "GM_1_1.5/GM_1.txt").string()), "0\r\n100\r\n-50\r\n");
    const std::string plain = (set / "GM_1_1.5/model.tcl").string();
    EXPECT_EQ(line(plain, "set iGMfile"), "set iGMfile \"GM_1.txt\";");
    EXPECT_EQ(line(plain, "set iGMfact"), "set iGMfact \"3\";  "); // gmFactor 2 x scale 1.5
    EXPECT_EQ(line(plain, "set dt "), "set dt 0.02;   ");
    // The PEER record is converted to mm/s² and run with its own time step.
    const std::string peer = (set / "RSN9_0.5/model.tcl").string();
    EXPECT_EQ(line(peer, "set iGMfile"), "set iGMfile \"RSN9.txt\";");
    EXPECT_EQ(line(peer, "set iGMfact"), "set iGMfact \"1\";  ");
    EXPECT_EQ(line(peer, "set dt "), "set dt 0.005;   ");
    EXPECT_EQ(test::readFile((set / "RSN9_0.5/RSN9.txt").string()),
              "98.0665\r\n196.133\r\n-294.1995\r\n392.266\r\n-490.3325\r\n588.399\r\n0\r\n");
    EXPECT_TRUE(fs::exists(set / "storeys.txt"));
    // Nothing has run yet: the summary lists every run without peaks.
    const std::vector<std::string> summary = summaryLines(collectBatch(set));
    ASSERT_EQ(summary.size(), 5u);
    EXPECT_EQ(summary[0], "run,record,scale,status,peak_roof_disp,peak_drift_ratio,peak_time");
    EXPECT_EQ(summary[3], "3,RSN9.AT2,1.5,not run,,,");
}

TEST_F(BatchPlanTest, RefusedPlansWriteNothing) {
    test::writeFile(dir.file("corrupt.txt"), "0.0\n0.1\n0.2O\n");
    test::writeFile(dir.file("empty.txt"), "\n");
    fs::create_directories(dir.path() / "other");
    test::writeFile(dir.file("other/GM 1.txt"), "1\n");
    const std::string good = dir.file("GM 1.txt");
    EXPECT_EQ(plan({dir.file("corrupt.txt")}, {1}),
              "Record file \"" + dir.file("corrupt.txt") + "\", line 3: '0.2O' is not a number");
    EXPECT_EQ(plan({dir.file("empty.txt")}, {1}),
              "Record file \"" + dir.file("empty.txt") + "\" holds no values");
    EXPECT_EQ(plan({dir.file("missing.txt")}, {1}),
              "The record \"" + dir.file("missing.txt") + "\" is not a file");
    EXPECT_THAT(plan({good, dir.file("other/GM 1.txt")}, {1}), HasSubstr("would share their run folders"));
    // A record named as a file the run writes would be emptied or replaced by the run.
    for (const char* taken : {"node0.out", "status.txt", "model.log"}) {
        test::writeFile(dir.file(taken), "0.1\n");
        EXPECT_EQ(plan({good, dir.file(taken)}, {1}),
                  "The record \"" + dir.file(taken) + "\" would be " + taken +
                      " in its run folder, a file the run writes (its script, log, status or recorder "
                      "files); rename the record");
    }
    EXPECT_EQ(plan({good}, {1, 0}),
              "The scale 0 is not greater than 0: a record is run at scales greater than 0 only");
    EXPECT_EQ(plan({good}, {}), "An ensemble needs at least one scale");
    analysis.gmDt = 0;
    EXPECT_EQ(plan({good}, {1}), "The record's time step (gmDt) is 0; it must be greater than 0");
    analysis.gmDt = 0.02;
    recorders.nodeDisplacement = false;
    EXPECT_THAT(plan({good}, {1}), HasSubstr("switch on the recorder \"Displacement of All Nodes\""));
    recorders.nodeDisplacement = true;
    analysis.analysisType = MultipleSupportExcitation;
    EXPECT_THAT(plan({good}, {1}), HasSubstr("choose Time History Analysis (analysisType=5) or D+L+Time Hist "
                                             "Analysis (analysisType=6), not procedure 7"));
    EXPECT_FALSE(fs::exists(set));
}

TEST_F(BatchPlanTest, AFolderHoldingResultsIsNotPlannedOver) {
    ASSERT_EQ(plan({dir.file("GM 1.txt")}, {1, 2}), "no error");
    const std::string manifest = test::readFile((set / "manifest.csv").string());
    // Planning again over folders without results is allowed.
    ASSERT_EQ(plan({dir.file("GM 1.txt")}, {1, 2}), "no error");
    test::writeFile((set / "GM_1_2/node0.out").string(), "0.02 0 0 0\n");
    analysis.gmFactor = 5;
    EXPECT_EQ(
        plan({dir.file("GM 1.txt")}, {1, 2}),
        "The run folder \"" + (set / "GM_1_2").string() +
            "\" holds the results of an earlier run; plan the ensemble into another folder, or remove that "
            "one first");
    EXPECT_EQ(test::readFile((set / "manifest.csv").string()), manifest);
    EXPECT_NE(test::readFile((set / "GM_1_1/model.tcl").string()).find("set iGMfact \"2\";"),
              std::string::npos);

    // While a runner holds the set, its scripts are not rewritten under it.
    fs::remove(set / "GM_1_2/node0.out");
    const BatchSetLock running(set);
    EXPECT_EQ(plan({dir.file("GM 1.txt")}, {1, 2}),
              "The ensemble \"" + set.string() +
                  "\" is being run by another program just now; wait for it to end or stop it first");
    EXPECT_NE(test::readFile((set / "GM_1_1/model.tcl").string()).find("set iGMfact \"2\";"),
              std::string::npos);
}

} // namespace
} // namespace kelvane
