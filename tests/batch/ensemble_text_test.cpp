#include "batch/batch_collect.h"
#include "batch/batch_csv.h"
#include "batch/batch_progress.h"
#include "batch/sbatch_script.h"
#include "batch/scale_list.h"
#include "common/error.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

// The texts an ensemble reads and writes: the scales, the CSV fields, the array ranges, the bar.
namespace kelvane {
namespace {

std::string failureOf(std::string_view scales) {
    try {
        parseScales(scales);
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "no error";
}

TEST(Scales, ListsAndRangesGiveCleanScales) {
    const std::pair<const char*, std::vector<double>> cases[] = {
        {"0.5,1,1.5", {0.5, 1, 1.5}},
        {" 2 , 0.25", {2, 0.25}},
        {"0.2:1:0.2", {0.2, 0.4, 0.6, 0.8, 1}}, // 0.2 + 2 x 0.2 is 0.6, not 0.6000000000000001
        {"1:2:0.3", {1, 1.3, 1.6, 1.9}},
        {"0.1:0.3:0.1", {0.1, 0.2, 0.3}}, // the last step reaches 0.3 up to rounding
        {"3:3:1", {3}},
        {"1e-1", {0.1}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseScales(text), expected) << text;
    EXPECT_EQ(scaleText(0.1 * 3), "0.3");
}

TEST(Scales, ZeroNegativeAndMalformedScalesAreRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"0,1", "The scale 0 is not greater than 0: a record is run at scales greater than 0 only"},
        {"1,-0.5", "The scale -0.5 is not greater than 0: a record is run at scales greater than 0 only"},
        {"0:1:0.5", "The scale 0 is not greater than 0: a record is run at scales greater than 0 only"},
        {"-1:1:0.5", "The scale -1 is not greater than 0: a record is run at scales greater than 0 only"},
        {"1:2:0", "The scale step of '1:2:0' is 0; it must be greater than 0"},
        {"1:2:-1", "The scale step of '1:2:-1' is -1; it must be greater than 0"},
        {"2:1:0.5", "The scale range '2:1:0.5' ends below where it starts"},
        {"1:2", "The scale range '1:2' is not FROM:TO:STEP"},
        {"1,,2", "The scale list '1,,2' has an empty entry"},
        {"1,x", "The scale 'x' is not a number"},
        {"1,2,1.0", "The scale 1 is given twice"},
        {"", "No scales are given: list them (0.5,1,1.5) or give a range (FROM:TO:STEP)"},
        {"0.001:100:0.001", "The scale range '0.001:100:0.001' gives more than 10000 scales"},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(failureOf(text), message) << text;
}

TEST(EnsembleCsv, FieldsWithCommasAndQuotesReadBack) {
    const std::vector<std::string> fields{"3", "RSN 12, \"N\".AT2", "", "plain"};
    const std::string line = csvLine(fields);
    EXPECT_EQ(line, "3,\"RSN 12, \"\"N\"\".AT2\",,plain");
    EXPECT_EQ(splitCsvLine(line, "here"), fields);
    try {
        splitCsvLine("1,\"open", "Manifest, line 2");
        ADD_FAILURE() << "an open quote was read";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), "Manifest, line 2: a quoted field is not closed");
    }
}

TEST(SlurmArray, IdsBecomeRanges) {
    EXPECT_EQ(arrayRanges({1, 2, 3, 5, 7, 8}), "1-3,5,7-8");
    EXPECT_EQ(arrayRanges({4}), "4");
    EXPECT_EQ(arrayRanges({}), "");
}

TEST(BatchProgressBar, CountsEndedRunsAndTheTimeLeft) {
    BatchProgress progress;
    progress.total = 40;
    progress.completed = 9;
    progress.failed = 1;
    EXPECT_EQ(batchProgressBar(progress, 8), "[##------]  10/40 runs  1 failed  -- left");
    progress.secondsLeft = 95;
    progress.failed = 0;
    EXPECT_EQ(batchProgressBar(progress, 8), "[#-------]  9/40 runs  1:35 left");
    EXPECT_EQ(batchCountsText(6, 4, 1), "6 runs: 4 completed, 1 failed, 1 not run");
    EXPECT_EQ(batchCountsText(1, 1, 0), "1 run: 1 completed, 0 failed");
    EXPECT_EQ(batchCountsText(3, 2, 1, 1), "3 runs: 2 completed (1 collapse), 1 failed");
    EXPECT_EQ(planCountsText(1, 1), "1 run (1 record x 1 scale)");
    EXPECT_EQ(planCountsText(4, 10), "40 runs (4 records x 10 scales)");
}

// A collapsed run keeps its end in its status, and the record's IDA curve flatlines at the lowest
// scale that collapsed: the stronger runs (collapsed too, or failed) add no point.
TEST(EnsembleCollapse, IsKeptInTheStatusAndEndsTheCurve) {
    test::TempDir dir;
    const RunStatus collapse{RunState::Collapse,
                             "Analysis ended: collapse, storey drift ratio 0.1 in storey 2"};
    writeRunStatus(dir.path(), collapse);
    EXPECT_EQ(std::make_pair(readRunStatus(dir.path()).state, readRunStatus(dir.path()).error),
              std::make_pair(collapse.state, collapse.error));

    const auto run = [](double scale, RunState state, double drift) {
        RunSummary entry{{0, "GM1.txt", scale, ""}, {state, {}}, std::nullopt};
        if (runEnded(state))
            entry.peaks = RunPeaks{0, drift, 0, 1};
        return entry;
    };
    const std::vector<Curve> curves = idaCurves(
        {run(3, RunState::Collapse, 0.2), run(0.5, RunState::Completed, 0.01),
         run(2, RunState::Collapse, 0.11), run(1, RunState::Completed, 0.03), run(4, RunState::Failed, 0)});
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].y, (std::vector<double>{0.5, 1, 2}));
    EXPECT_EQ(curves[0].x, (std::vector<double>{0.01, 0.03, 0.11}));
}

} // namespace
} // namespace kelvane
