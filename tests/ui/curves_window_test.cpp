// "Curves": drawing the curves of a run's recorder files, exporting them, and picking the joint.
#include "results/ui/chart_picture.h"
#include "results/ui/curves_window.h"
#include "ui/main_window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

#include <filesystem>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// The portal of tests/data/results with the recorder files of a push (tests/data/results/pushover).
class CurvesWindowTest : public test::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        importModelText(test::readFile(test::dataPath("results/portal/portal.s2k")).c_str());
        session.lastRunFolder = test::dataPath("results/pushover");
        session.analysis.controlNode = 3;
        curves = toolWindow<CurvesWindow>();
        ASSERT_NE(curves, nullptr);
        triggerMenu("Post", "Curves");
        ASSERT_TRUE(curves->isVisible());
    }
    void triggerMenu(const QString& menu, const QString& entry) {
        for (QAction* menuAction : window->menuBar()->actions())
            if (menuAction->text() == menu)
                for (QAction* action : menuAction->menu()->actions())
                    if (action->text() == entry)
                        action->trigger();
    }
    template <class Widget> Widget* child(const char* name) const {
        return curves->findChild<Widget*>(QString::fromLatin1(name));
    }
    void choose(int curve, int dof = 0) {
        child<QComboBox>("curve")->setCurrentIndex(curve);
        child<QComboBox>("dof")->setCurrentIndex(dof);
    }
    void press(const char* name) { child<QPushButton>(name)->click(); }

    CurvesWindow* curves = nullptr;
};

TEST_F(CurvesWindowTest, DrawsThePushoverCurveOfTheLastRunAndExportsIt) {
    EXPECT_EQ(child<QLineEdit>("resultsFolder")->text().toStdString(), test::dataPath("results/pushover"));
    EXPECT_EQ(child<QLineEdit>("joint")->text(), "3"); // the control joint
    choose(1);
    press("drawButton");
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    ASSERT_NE(curves->curve(), nullptr);
    EXPECT_EQ(curves->curve()->y, (std::vector<double>{0, 50, 100, 150}));
    EXPECT_EQ(child<ChartPicture>("chartView")->title(), "Pushover curve");
    EXPECT_EQ(child<QLabel>("notes")->text(), "4 points");

    dialogs.answer(QString::fromStdString(temp.file("push.csv")));
    press("exportButton");
    EXPECT_EQ(dialogs.requests().back(), "save|Curve picture or numbers (*.png *.svg *.csv)|png");
    EXPECT_EQ(test::readFile(temp.file("push.csv")),
              "control displacement,base shear\r\n0,0\r\n2,50\r\n4,100\r\n6,150\r\n");
    for (const char* name : {"push.png", "push.svg"}) {
        dialogs.answer(QString::fromStdString(temp.file(name)));
        press("exportButton");
        EXPECT_GT(fs::file_size(temp.file(name)), 1000u) << name;
    }
    dialogs.answer(QString::fromStdString(temp.file("push.txt")));
    press("exportButton");
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages()[0].startsWith("A curve picture is saved as .png or .svg"));
    EXPECT_FALSE(fs::exists(temp.file("push.txt")));
}

TEST_F(CurvesWindowTest, PeriodsShowAsATableAndBarsAndABadBoxKeepsTheCurveShown) {
    choose(3);
    EXPECT_FALSE(child<QLineEdit>("joint")->isEnabled());
    press("drawButton");
    auto* table = child<QTableWidget>("periodTable");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_TRUE(table->isVisible());
    EXPECT_EQ(table->item(1, 2)->text().toStdString(), "0.500000000660851"); // 2 pi / sqrt(157.91367)
    EXPECT_EQ(child<ChartPicture>("chartView")->title(), "Periods of the modes");

    choose(0, 2);
    child<QLineEdit>("joint")->setText("x");
    press("drawButton");
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages()[0], "Joint: 'x' is not a valid integer value");
    EXPECT_EQ(child<ChartPicture>("chartView")->title(), "Periods of the modes");
    child<QLineEdit>("joint")->setText("4");
    press("drawButton");
    EXPECT_EQ(curves->curve()->y, (std::vector<double>{0.0001, 0.0002, 0.0003}));
    EXPECT_FALSE(table->isVisible());
}

// The floor (joints 3 and 4) sways 2 and 1.9 at step 1, 6 and 5.9 at step 3 over a storey of 3000.
TEST_F(CurvesWindowTest, StoreyDriftsShowTheStoreysAtTheLastOrAChosenStep) {
    struct Case {
        int moment;
        const char* step;
        const char* title;
        const char* drift;
    };
    const Case cases[] = {{0, "", "Interstorey drift ratio along X (step 3)", "0.00198333333333333"},
                          {1, "1", "Interstorey drift ratio along X (step 1)", "0.000650000000000000"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        choose(4);
        child<QComboBox>("moment")->setCurrentIndex(c.moment);
        EXPECT_EQ(child<QLineEdit>("step")->isEnabled(), c.moment == 1);
        child<QLineEdit>("step")->setText(c.step);
        press("drawButton");
        ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
        EXPECT_EQ(child<ChartPicture>("chartView")->title(), c.title);
        const auto* table = child<QTableWidget>("storeyTable");
        ASSERT_TRUE(table->isVisible());
        ASSERT_EQ(table->rowCount(), 1);
        EXPECT_EQ(table->item(0, 4)->text().toDouble(), QString(c.drift).toDouble());
        EXPECT_TRUE(child<QLabel>("notes")->text().contains("No storey shears"));
    }
}

TEST_F(CurvesWindowTest, PickOnModelTakesTheJointClickedOnTheDrawing) {
    button("toolButton11")->click(); // the XZ elevation shows every joint apart
    const TNODE& joint = session.model.nodes[3];
    press("pickOnModelButton");
    EXPECT_TRUE(curves->pickingJoint());
    click(Qt::LeftButton, joint.ScreenX + 60, joint.ScreenY + 60); // nowhere near a joint
    EXPECT_TRUE(curves->pickingJoint());
    EXPECT_EQ(child<QLineEdit>("joint")->text(), "3");
    EXPECT_TRUE(child<QLabel>("notes")->text().startsWith("No joint is drawn there"));
    const TNODE& other = session.model.nodes[4];
    click(Qt::LeftButton, other.ScreenX + 2, other.ScreenY - 3);
    EXPECT_FALSE(curves->pickingJoint());
    EXPECT_EQ(child<QLineEdit>("joint")->text(), "4");
}

} // namespace
} // namespace kelvane
