// "Deformation Shape" and "Animation": reading recorder files from a picked folder, OK, playback.
#include "results/ui/animation_window.h"
#include "results/ui/deformation_window.h"
#include "ui/main_window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace kelvane {
namespace {

class ResultWindowTest : public test::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        importModelText(test::kPortalFrameS2k);
        ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    }
    // Recorder files go to a folder of their own; the dialog is answered with a file inside it.
    std::string recorderFile(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(temp.path() / "out");
        const std::string path = (temp.path() / "out" / name).string();
        test::writeFile(path, text);
        return path;
    }
    template <class Window> void press(const char* name) const {
        toolWindow<Window>()->template findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    template <class Window> QLineEdit* edit(const char* name) const {
        return toolWindow<Window>()->template findChild<QLineEdit*>(QString::fromLatin1(name));
    }
};

using DeformationWindowTest = ResultWindowTest;

TEST_F(DeformationWindowTest, OpensWithItsDefaults) {
    button("toolButton25")->click();
    ASSERT_TRUE(toolWindow<DeformationWindow>()->isVisible());
    EXPECT_EQ(edit<DeformationWindow>("loadStep")->text(), "1");
    EXPECT_EQ(edit<DeformationWindow>("scalingFactor")->text(), "1");
    EXPECT_EQ(edit<DeformationWindow>("modeNum")->text(), "1");
    EXPECT_EQ(edit<DeformationWindow>("maxValue")->text(), "0.0001");
    EXPECT_EQ(edit<DeformationWindow>("minValue")->text(), "-0.0001");
    auto* component = toolWindow<DeformationWindow>()->findChild<QComboBox*>("deformation");
    EXPECT_EQ(component->currentText(), "Axial Strain");
    EXPECT_EQ(component->count(), 3);
    auto* legend = toolWindow<DeformationWindow>()->findChild<QWidget*>("legend");
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->size(), QSize(155, 40));
    // Six boxes, lowest first: red at the left end, magenta at the right end.
    const QImage picture = legend->grab().toImage();
    EXPECT_EQ(picture.pixelColor(6, 30), QColor(255, 0, 0));
    EXPECT_EQ(picture.pixelColor(148, 30), QColor(255, 0, 255));
}

TEST_F(DeformationWindowTest, NodeDisplacementsOfTheChosenStepAreReadFromThePickedFolder) {
    const std::string file = recorderFile("node0.out", "0.5 1 2 3 4 5 6 7 8 9 10 11 12\n"
                                                       "1.0 1.0e-003 -2.0e-003 0 0 0 0 0 0 0 0 0 0.25\n");
    button("toolButton25")->click();
    edit<DeformationWindow>("loadStep")->setText("2");
    dialogs.answer(QString::fromStdString(file));
    press<DeformationWindow>("loadNodeDeformDataButton");

    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(dialogs.requests().last(), "open||"); // no filter
    EXPECT_DOUBLE_EQ(session.model.nodes[1].ux, 0.001);
    EXPECT_DOUBLE_EQ(session.model.nodes[1].uy, -0.002);
    EXPECT_DOUBLE_EQ(session.model.nodes[4].uz, 0.25);

    // OK draws the step typed in the box, read again from the same folder.
    edit<DeformationWindow>("loadStep")->setText("1");
    press<DeformationWindow>("okButton");
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(session.results.displacementStep, 1);
    EXPECT_DOUBLE_EQ(session.model.nodes[1].ux, 1.0);
    EXPECT_DOUBLE_EQ(session.model.nodes[1].uy, 2.0);
}

TEST_F(DeformationWindowTest, ABadStepBoxReadsNothingAndAskedForNoFolder) {
    button("toolButton25")->click();
    edit<DeformationWindow>("loadStep")->setText("x1");
    const int dialogsBefore = static_cast<int>(dialogs.requests().size());
    press<DeformationWindow>("loadNodeDeformDataButton");
    press<DeformationWindow>("loadSecDeformDataButton");
    edit<DeformationWindow>("modeNum")->setText("");
    press<DeformationWindow>("loadModeShapeButton");
    EXPECT_EQ(errors.messages(), QStringList({"Load Step: 'x1' is not a valid integer value",
                                              "Load Step: 'x1' is not a valid integer value",
                                              "Mode Num: '' is not a valid integer value"}));
    EXPECT_EQ(dialogs.requests().size(), dialogsBefore);
}

TEST_F(DeformationWindowTest, SectionDeformationsFillTheRangeBoxesAndSetTheRangeAtOnce) {
    // Three fiber-section frames: axial strain, curvature z, curvature y and twist after the time.
    recorderFile("ele0_secs.out", "1 0.002 9 9 9 -0.001 9 9 9 0.0005 9 9 9\n");
    const std::string last = recorderFile("ele0_secn.out", "1 0.001 9 9 9 -0.003 9 9 9 0 9 9 9\n");
    button("toolButton25")->click();
    dialogs.answer(QString::fromStdString(last));
    press<DeformationWindow>("loadSecDeformDataButton");

    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(session.model.frames[1].hingeValueI, 0.002);
    EXPECT_EQ(session.model.frames[2].hingeValueJ, -0.003);
    EXPECT_EQ(edit<DeformationWindow>("maxValue")->text(), "0.002");
    EXPECT_EQ(edit<DeformationWindow>("minValue")->text(), "-0.003");
    EXPECT_EQ(session.results.ColourRangeMax, 0.002);
    EXPECT_EQ(session.results.ColourRangeMin, -0.003);
}

TEST_F(DeformationWindowTest, OkSetsRangeAndScaleThenRedrawsAndCloses) {
    QSignalSpy redraws(toolWindow<DeformationWindow>(), &DeformationWindow::redrawRequested);
    session.model.nodes[3].ux = 2;
    button("toolButton25")->click();
    edit<DeformationWindow>("maxValue")->setText("0.5");
    edit<DeformationWindow>("minValue")->setText("-0.25");
    edit<DeformationWindow>("scalingFactor")->setText("100");
    const int undisplacedX = session.model.nodes[3].ScreenX;
    press<DeformationWindow>("okButton");

    EXPECT_EQ(session.results.ColourRangeMax, 0.5);
    EXPECT_EQ(session.results.ColourRangeMin, -0.25);
    EXPECT_EQ(session.results.DeformationScale, 100.0);
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_FALSE(toolWindow<DeformationWindow>()->isVisible());
    EXPECT_NE(session.model.nodes[3].ScreenX, undisplacedX); // drawn displaced by 200 units
}

TEST_F(DeformationWindowTest, OkWithABadBoxKeepsTheEarlierValuesAndTheWindowOpen) {
    QSignalSpy redraws(toolWindow<DeformationWindow>(), &DeformationWindow::redrawRequested);
    button("toolButton25")->click();
    edit<DeformationWindow>("maxValue")->setText("0.5");
    edit<DeformationWindow>("minValue")->setText("1,5");
    edit<DeformationWindow>("scalingFactor")->setText("100");
    press<DeformationWindow>("okButton");

    EXPECT_EQ(errors.messages(), QStringList({"Min Value: '1,5' is not a valid floating point value"}));
    EXPECT_EQ(session.results.ColourRangeMax, 0.5);
    EXPECT_EQ(session.results.ColourRangeMin, -1.0e-4);
    EXPECT_EQ(session.results.DeformationScale, 0.0);
    EXPECT_EQ(redraws.count(), 0);
    EXPECT_TRUE(toolWindow<DeformationWindow>()->isVisible());
}

TEST_F(DeformationWindowTest, AMissingChunkFileIsReportedWithItsName) {
    const std::string other = recorderFile("notes.txt", "x\n");
    button("toolButton25")->click();
    dialogs.answer(QString::fromStdString(other));
    press<DeformationWindow>("loadNodeDeformDataButton");
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages()[0].startsWith("Cannot open file \""));
    EXPECT_TRUE(errors.messages()[0].contains("node0.out"));
}

class AnimationWindowTest : public ResultWindowTest {
  protected:
    // Three steps; joint 2 moves along X by 1, 2 and 3 units.
    void loadThreeSteps() {
        const std::string file = recorderFile("node0.out", "1 0 0 0 1 0 0 0 0 0 0 0 0\n"
                                                           "2 0 0 0 2 0 0 0 0 0 0 0 0\n"
                                                           "3 0 0 0 3 0 0 0 0 0 0 0 0\n");
        button("toolButton20")->click();
        edit<AnimationWindow>("nstep")->setText("3");
        edit<AnimationWindow>("scale")->setText("1000");
        dialogs.answer(QString::fromStdString(file));
        press<AnimationWindow>("loadDispDataButton");
        ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    }
    void runOrStop() { press<AnimationWindow>("runAnimationStopAnimationButton"); }
};

TEST_F(AnimationWindowTest, TicksStepThroughTheLoadedHistoryAndDrawTheDisplacedJoints) {
    loadThreeSteps();
    EXPECT_EQ(session.model.nodes[2].histUX, std::vector<double>({0, 1, 2, 3}));
    EXPECT_FALSE(window->animationTimer()->isActive()); // loading does not start playback

    runOrStop();
    ASSERT_TRUE(window->animationTimer()->isActive());
    window->animationTimer()->stop(); // ticks are driven by hand below
    const double scale = session.view.Scale;
    const int restX = session.model.nodes[2].ScreenX;

    std::vector<int> steps;
    std::vector<int> offsets;
    for (int tick = 0; tick < 4; ++tick) {
        window->animationTick();
        steps.push_back(session.animation.AnimationStep);
        offsets.push_back(session.model.nodes[2].ScreenX - restX);
    }
    EXPECT_EQ(steps, std::vector<int>({2, 3, 1, 2}));
    EXPECT_EQ(session.results.DeformationScale, 1000.0);
    // Displaced by 1000 times the history value, in pixels of the current scale.
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_NEAR(offsets[i], 1000.0 * steps[i] / scale, 1.0) << "tick " << i;
}

TEST_F(AnimationWindowTest, CloseLeavesPlaybackRunningAndTheButtonStopsItFromTheStart) {
    loadThreeSteps();
    runOrStop();
    press<AnimationWindow>("closeButton");
    EXPECT_FALSE(toolWindow<AnimationWindow>()->isVisible());
    EXPECT_TRUE(window->animationTimer()->isActive());

    runOrStop();
    EXPECT_FALSE(window->animationTimer()->isActive());
    EXPECT_EQ(session.animation.AnimationStep, 1);
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST_F(AnimationWindowTest, PlaybackWithoutAHistoryIsRefusedAndTheTimerStaysOff) {
    button("toolButton20")->click();
    EXPECT_EQ(edit<AnimationWindow>("nstep")->text(), "100");
    EXPECT_EQ(edit<AnimationWindow>("scale")->text(), "100");
    runOrStop();
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_FALSE(window->animationTimer()->isActive());
}

TEST_F(AnimationWindowTest, ABadStepCountLoadsNothing) {
    button("toolButton20")->click();
    edit<AnimationWindow>("nstep")->setText("3.5");
    press<AnimationWindow>("loadDispDataButton");
    EXPECT_EQ(errors.messages(), QStringList({"Nstep: '3.5' is not a valid integer value"}));
    EXPECT_EQ(session.animation.loadedSteps, 0);
}

} // namespace
} // namespace kelvane
