#include "results/mode_periods.h"
#include "results/result_display.h"
#include "results_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kelvane {
namespace {

using test::errorOf;

TEST(ModePeriods, EigenvaluesAreEveryNumberOfTheFileAndGivePeriodAndFrequency) {
    test::TempDir folder;
    EXPECT_FALSE(readEigenvalues(folder.path().string()).has_value());
    // As the modal procedure writes it: one line, a blank in front.
    test::writeFile(folder.file("Periods.txt"), " 39.47841760435743 157.91367041742973 -1e-9\n");
    const auto eigenvalues = readEigenvalues(folder.path().string());
    ASSERT_TRUE(eigenvalues.has_value());
    ASSERT_EQ(eigenvalues->size(), 3u);
    const ModePeriod second = modePeriod(*eigenvalues, 2, folder.path().string());
    EXPECT_DOUBLE_EQ(second.eigenvalue, 16 * std::numbers::pi * std::numbers::pi);
    EXPECT_NEAR(second.period, 0.5, 1e-15);
    EXPECT_NEAR(second.frequency, 2.0, 1e-14);
    EXPECT_EQ(modePeriodText(second.period, second.frequency), "T = 0.5000 s, f = 2.000 Hz");

    const std::string path = folder.file("Periods.txt");
    EXPECT_EQ(errorOf([&] { modePeriod(*eigenvalues, 4, folder.path().string()); }),
              "\"" + path + "\" holds 3 eigenvalues; mode 4 has none");
    EXPECT_EQ(errorOf([&] { modePeriod(*eigenvalues, 3, folder.path().string()); }),
              "Eigenvalue 3 of \"" + path + "\" is -1E-9: mode 3 has no period");
    test::writeFile(path, " 39.5 nan\n");
    EXPECT_EQ(errorOf([&] { readEigenvalues(folder.path().string()); }),
              "'nan' is not a valid floating point value");
}

TEST(ModePeriods, TheModeShapeNotesItsModeAndPeriodForTheCaption) {
    ModelStore store = test::storeWith(4);
    ResultDisplay display;
    display.displacementStep = 3;
    EXPECT_TRUE(readModeShape(store, display, test::resultsData("portal"), 1));
    EXPECT_EQ(display.mode, 1);
    EXPECT_EQ(display.displacementStep, 0);
    EXPECT_NEAR(display.modePeriod, 1.0, 1e-15);
    EXPECT_EQ(store.nodes[3].ux, 1.0);

    test::TempDir folder; // the mode shape without Periods.txt: the period is not known
    test::writeFile(folder.file("eigen1_node0.out"), "0 1 2 3 4 5 6 7 8 9 10 11 12\n");
    EXPECT_FALSE(readModeShape(store, display, folder.path().string(), 1));
    EXPECT_EQ(display.modePeriod, 0.0);
    EXPECT_EQ(store.nodes[4].uz, 12.0);
}

} // namespace
} // namespace kelvane
