// "Performance": the target displacement of a pushover run, from Post, Performance.
#include "assess/ui/performance_window.h"
#include "results/ui/chart_picture.h"
#include "ui/main_window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <filesystem>

namespace kelvane {
namespace {

// The portal of tests/data/results pushed at joint 3 along X by the uniform pattern
// (tests/data/results/pushover: 50 N per 2 mm, elastic).
class PerformanceWindowTest : public test::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        importModelText(test::readFile(test::dataPath("results/portal/portal.s2k")).c_str());
        session.lastRunFolder = test::dataPath("results/pushover");
        session.analysis.analysisType = SingleDisplacementControl;
        session.analysis.pushPattern = PushUniform;
        session.analysis.controlNode = 3;
        performance = toolWindow<PerformanceWindow>();
        ASSERT_NE(performance, nullptr);
        for (QAction* menu : window->menuBar()->actions())
            if (menu->text() == "Post")
                for (QAction* action : menu->menu()->actions())
                    if (action->text() == "Performance")
                        action->trigger();
        ASSERT_TRUE(performance->isVisible());
    }
    template <class Widget> Widget* child(const char* name) const {
        return performance->findChild<Widget*>(QString::fromLatin1(name));
    }

    PerformanceWindow* performance = nullptr;
};

TEST_F(PerformanceWindowTest, ComputesBothMethodsOfTheLastRunAndListsEveryQuantity) {
    EXPECT_EQ(child<QLineEdit>("resultsFolder")->text().toStdString(), test::dataPath("results/pushover"));
    EXPECT_EQ(child<QLineEdit>("joint")->text(), "3");
    struct Case {
        int method;
        const char* spectrum;
        const char* title;
        bool adrs;
    };
    const Case cases[] = {
        {0, "ec8:ag=0.2g,ground=C", "N2 method: capacity curve and its idealisation", true},
        {1, "asce7:sds=1,sd1=0.5", "ASCE 41 coefficient method: capacity curve and its bilinear fit", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spectrum);
        child<QComboBox>("method")->setCurrentIndex(c.method);
        child<QLineEdit>("spectrum")->setText(c.spectrum);
        child<QPushButton>("computeButton")->click();
        ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
        ASSERT_NE(performance->report(), nullptr);
        const QString text = child<QPlainTextEdit>("quantities")->toPlainText();
        // The supports' masses stay out of the push: joints 3 and 4 alone, Phi = 1.
        EXPECT_TRUE(text.contains("joint_3=mass")) << text.toStdString();
        EXPECT_FALSE(text.contains("joint_1=")) << text.toStdString();
        EXPECT_TRUE(text.contains(
            QString("target_displacement=%1").arg(performance->report()->targetDisplacement, 0, 'g', 5)));
        EXPECT_EQ(child<ChartPicture>("capacityChart")->title(), c.title);
        EXPECT_EQ(performance->report()->adrs.empty(), !c.adrs);
    }
    child<QLineEdit>("spectrum")->setText("ec8:ag=0.2g,ground=F");
    child<QPushButton>("computeButton")->click();
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages()[0].contains("ground='F'"));
}

} // namespace
} // namespace kelvane
