// "Batch": planning an ensemble from the model shown, running it here and drawing its IDA curves.
#include "batch/ui/batch_window.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "solver/solver_location.h"
#include "ui/main_window_fixture.h"

#include "results/ui/chart_picture.h"
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include <chrono>
#include <filesystem>
#include <functional>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

class BatchWindowTest : public test::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        session.model = importModelFile(test::dataPath("solver/shear-building.s2k"), initPalette()).store;
        session.analysis.analysisType = TimeHistoryAnalysis;
        session.analysis.gmFactor = 1;
        session.analysis.thSteps = 100;
        fs::copy_file(test::dataPath("solver/GMX.txt"), temp.path() / "GM1.txt");
        fs::copy_file(test::dataPath("records/west2-header.AT2"), temp.path() / "RSN9.AT2");
        batch = toolWindow<BatchWindow>();
        ASSERT_NE(batch, nullptr);
        for (QAction* menu : window->menuBar()->actions())
            if (menu->text() == "Post")
                for (QAction* entry : menu->menu()->actions())
                    if (entry->text() == "Batch")
                        entry->trigger();
        ASSERT_TRUE(batch->isVisible());
    }
    template <class Widget> Widget* child(const char* name) const {
        return batch->findChild<Widget*>(QString::fromLatin1(name));
    }
    void press(const char* name) { child<QPushButton>(name)->click(); }
    // Adds the records through "Add Record...", types the scales and the folder, and plans.
    void plan(const QString& scales) {
        for (const char* record : {"GM1.txt", "RSN9.AT2"}) {
            dialogs.answer(QString::fromStdString(temp.file(record)));
            press("addRecordButton");
        }
        child<QLineEdit>("scales")->setText(scales);
        child<QLineEdit>("setFolder")->setText(QString::fromStdString(set.string()));
        press("planButton");
    }
    QString status() const { return child<QLabel>("status")->text(); }

    BatchWindow* batch = nullptr;
    fs::path set = temp.path() / "ida";
};

TEST_F(BatchWindowTest, PlansTheRecordsPickedAtTheScalesTyped) {
    plan(QStringLiteral("0,1"));
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages()[0],
              "The scale 0 is not greater than 0: a record is run at scales greater than 0 only");
    EXPECT_FALSE(fs::exists(set));

    child<QListWidget>("records")->clear();
    plan(QStringLiteral("1,0.5"));
    ASSERT_EQ(errors.messages().size(), 1) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(dialogs.requests().back(), "open|Ground motion record (*.txt *.AT2 *.at2);;All files (*)|");
    EXPECT_EQ(status().toStdString(), "Planned 4 runs (2 records x 2 scales) in " + set.string());
    EXPECT_EQ(
        test::readFile((set / "manifest.csv").string()),
        "run,record,scale,folder\r\n1,GM1.txt,1,GM1_1\r\n2,GM1.txt,0.5,GM1_0.5\r\n3,RSN9.AT2,1,RSN9_1\r\n"
        "4,RSN9.AT2,0.5,RSN9_0.5\r\n");
    // Submitting to Slurm is the command line's: the window shows the command.
    EXPECT_EQ(child<QLineEdit>("slurmCommand")->text().toStdString(),
              test::binPath("kelvane-cli") + " batch submit " + set.string());
    EXPECT_TRUE(child<QLineEdit>("slurmCommand")->isReadOnly());

    child<QListWidget>("records")->setCurrentRow(0);
    press("removeRecordButton");
    EXPECT_EQ(child<QListWidget>("records")->count(), 1);
    EXPECT_EQ(child<QListWidget>("records")->item(0)->text().toStdString(), temp.file("RSN9.AT2"));
}

// The real solver: the set runs to its end with the progress bar full, and the curves are drawn.
TEST_F(BatchWindowTest, RunsTheSetHereAndDrawsItsIdaCurves) {
    const fs::path bin = fs::path(test::binPath(solverExecutableName())).parent_path();
    if (!fs::exists(bin / solverExecutableName()))
        GTEST_SKIP() << "no OpenSees solver was built beside the programs";
    batch->setSolverSearch({bin.string(), "", ""});
    plan(QStringLiteral("0.5,1,1.5"));
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    press("runButton");
    EXPECT_TRUE(batch->running());
    EXPECT_FALSE(child<QPushButton>("runButton")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("stopButton")->isEnabled());
    ASSERT_TRUE(test::waitUntil([&] { return !batch->running(); }, 90)) << status().toStdString();
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(status(), "6 runs: 6 completed, 0 failed");
    EXPECT_EQ(child<QProgressBar>("progress")->maximum(), 6);
    EXPECT_EQ(child<QProgressBar>("progress")->value(), 6);
    EXPECT_TRUE(
        child<QPlainTextEdit>("runLog")->toPlainText().contains("run 6 RSN9.AT2 at scale 1.5: completed"));

    const auto* chart = child<ChartPicture>("idaChart");
    EXPECT_EQ(chart->title(), "IDA curves");
    ASSERT_EQ(chart->curves().size(), 2u);
    const Curve& gm1 = chart->curves()[0];
    EXPECT_EQ(gm1.title, "GM1.txt");
    ASSERT_EQ(gm1.x.size(), 3u);
    // The elastic building drifts in proportion to the scale.
    EXPECT_NEAR(gm1.x[2], 3 * gm1.x[0], 1e-5 * gm1.x[2]);
    EXPECT_EQ(gm1.y[2], 1.5);
    const std::string summary = test::readFile((set / "summary.csv").string());
    EXPECT_EQ(
        summary.rfind(
            "run,record,scale,status,peak_roof_disp,peak_drift_ratio,peak_time\r\n1,GM1.txt,0.5,completed,",
            0),
        0u)
        << summary;

    // The fragility of a drift limit just above GM1's at scale 1: the observed fraction at each scale
    // is the share of the two records' drifts at or past it.
    const Curve records[] = {chart->curves()[0], chart->curves()[1]};
    const double limit = 1.01 * gm1.x[1];
    child<QLineEdit>("driftLimit")->setText(QString::number(limit, 'g', 17));
    press("fragilityButton");
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(chart->title().rfind("Fragility: drift ratio", 0), 0u) << chart->title();
    const Curve& observed = chart->curves().at(0);
    ASSERT_EQ(observed.x.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(observed.x[k], records[0].y[k]);
        EXPECT_EQ(observed.y[k],
                  ((records[0].x[k] >= limit ? 1 : 0) + (records[1].x[k] >= limit ? 1 : 0)) / 2.0)
            << "scale " << observed.x[k];
    }
    EXPECT_TRUE(fs::exists(set / "fragility.csv"));
}

} // namespace
} // namespace kelvane
