// The camera, selection and result commands of the main window, driven with the mouse and buttons.
#include "ui/main_window_fixture.h"
#include "viewer/ui/frame_properties_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWheelEvent>
#include <filesystem>

namespace kelvane {
namespace {

class ViewCommandTest : public test::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        importModelText(test::kPortalFrameS2k);
        // An elevation shows the portal frame's members apart.
        button("toolButton11")->click();
        ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    }

    void wheel(int angle) {
        const QPointF centre(surface()->width() / 2.0, surface()->height() / 2.0);
        QWheelEvent event(centre, surface()->mapToGlobal(centre), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(surface(), &event);
    }
};

TEST_F(ViewCommandTest, StandardViewsSetTheAnglesAndFit) {
    EXPECT_EQ(session.view.PlanAngle, 0.0);
    EXPECT_EQ(session.view.TiltAngle, -90.0);
    button("toolButton12")->click();
    EXPECT_EQ(session.view.PlanAngle, 90.0);
    EXPECT_EQ(session.view.TiltAngle, -90.0);
    button("toolButton10")->click();
    EXPECT_EQ(session.view.PlanAngle, 0.0);
    EXPECT_EQ(session.view.TiltAngle, 0.0);

    session.view.Scale = 1000;
    button("toolButton13")->click();
    EXPECT_LT(session.view.Scale, 1000.0);
}

TEST_F(ViewCommandTest, PanDragMovesTheModelWithThePointerAndRightClickEndsTheMode) {
    button("toolButton3")->click();
    EXPECT_EQ(window->statusPanelText(1), "Pan");
    EXPECT_EQ(session.interaction.mode, ModePanWaiting);

    const double scale = session.view.Scale;
    const double offsetX = session.view.OffsetX;
    const double offsetY = session.view.OffsetY;
    const int x2 = session.model.nodes[2].ScreenX;
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(session.interaction.mode, ModePanDragging);
    QTest::mouseMove(surface(), QPoint(120, 110));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(130, 110));

    EXPECT_DOUBLE_EQ(session.view.OffsetX, offsetX - 30 * scale);
    EXPECT_DOUBLE_EQ(session.view.OffsetY, offsetY - 10 * scale);
    EXPECT_EQ(session.model.nodes[2].ScreenX, x2 + 30);
    EXPECT_EQ(session.interaction.mode, ModePanWaiting);
    EXPECT_EQ(window->statusPanelText(1), "Pan");

    click(Qt::RightButton, 10, 10);
    EXPECT_EQ(session.interaction.mode, ModeNone);
    EXPECT_EQ(window->statusPanelText(1), "None");
}

TEST_F(ViewCommandTest, RotateDragTurnsTheModel) {
    button("toolButton4")->click();
    EXPECT_EQ(window->statusPanelText(1), "Rotate View");
    const int width = surface()->canvas().width();
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 50));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, QPoint(10 + width / 4, 50));
    EXPECT_NEAR(session.view.PlanAngle, (width / 4) * 180.0 / width, 1e-9);
    EXPECT_EQ(session.interaction.mode, ModeRotateWaiting);
}

// Scale is model units per pixel: the wheel turned up (away from the user) zooms in.
TEST_F(ViewCommandTest, WheelUpZoomsInAndDownZoomsOutInEveryMode) {
    const double scale = session.view.Scale;
    wheel(120);
    EXPECT_DOUBLE_EQ(session.view.Scale, scale * 0.9);
    button("toolButton17")->click();
    wheel(-120);
    wheel(-120);
    EXPECT_DOUBLE_EQ(session.view.Scale, scale * 0.9 / 0.9 / 0.9);
    // Half a notch waits for the other half.
    wheel(60);
    EXPECT_DOUBLE_EQ(session.view.Scale, scale * 0.9 / 0.9 / 0.9);
    wheel(60);
    EXPECT_NEAR(session.view.Scale, scale, 1e-9 * scale);
}

TEST_F(ViewCommandTest, SelectModePicksAFrameListsItAndClosingClearsTheHighlight) {
    button("toolButton17")->click();
    EXPECT_EQ(window->statusPanelText(1), "Select Elem");

    const TFRAME& beam = session.model.frames[2];
    click(Qt::LeftButton, beam.ScreenX, beam.ScreenY);
    EXPECT_EQ(session.selectedFrame, 2);
    EXPECT_EQ(pixel(beam.ScreenX, beam.ScreenY), QColor(255, 255, 0));

    auto* properties = toolWindow<FramePropertiesWindow>();
    ASSERT_TRUE(properties->isVisible());
    EXPECT_EQ(properties->findChild<QLineEdit*>("frameLabel")->text(), "2");
    auto* grid = properties->findChild<QTableWidget*>("grid");
    ASSERT_EQ(grid->rowCount(), 19); // the properties, then the twelve end forces
    ASSERT_EQ(grid->columnCount(), 2);
    QStringList shown;
    for (int row = 0; row < 7; ++row)
        shown << grid->item(row, 0)->text() + "=" + grid->item(row, 1)->text();
    const int elementType = session.model.frameSections[static_cast<std::size_t>(beam.section)].elementType;
    EXPECT_EQ(shown, QStringList({"Label=2", "Node i=2", "Node j=3", "Angle=30.5", "Section=NBEAM",
                                  QStringLiteral("Element Type=%1").arg(elementType), "Material=CONC"}));
    // No forces read yet: the rows of the end forces have their captions and no values.
    EXPECT_EQ(grid->item(7, 0)->text(), "N i [N]");
    EXPECT_EQ(grid->item(18, 0)->text(), QString::fromLatin1("M3 j [N\xB7mm]"));
    EXPECT_TRUE(grid->item(7, 1)->text().isEmpty());

    // A second pick moves the highlight, and the open window lists the frame picked now.
    const TFRAME& column = session.model.frames[3];
    click(Qt::LeftButton, column.ScreenX - 5, column.ScreenY);
    EXPECT_EQ(session.selectedFrame, 3);
    EXPECT_EQ(properties->findChild<QLineEdit*>("frameLabel")->text(), "3");
    EXPECT_EQ(grid->item(0, 1)->text(), "3");
    properties->findChild<QPushButton*>("refreshButton")->click();
    EXPECT_EQ(grid->item(0, 1)->text(), "3");

    // A miss clears the selection without a redraw; the select mode stays.
    click(Qt::LeftButton, column.ScreenX + 5, column.ScreenY);
    EXPECT_EQ(session.selectedFrame, 0);
    EXPECT_EQ(session.interaction.mode, ModeSelectElement);

    click(Qt::LeftButton, beam.ScreenX, beam.ScreenY);
    properties->findChild<QPushButton*>("okButton")->click();
    EXPECT_FALSE(properties->isVisible());
    EXPECT_EQ(session.selectedFrame, 0);
    EXPECT_NE(pixel(beam.ScreenX, beam.ScreenY), QColor(255, 255, 0));
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
}

TEST_F(ViewCommandTest, IdleModeIgnoresClicksUntilARightClick) {
    button("toolButton30")->click();
    EXPECT_EQ(session.interaction.mode, ModeIdle);
    const TFRAME& beam = session.model.frames[2];
    const double offsetX = session.view.OffsetX;
    click(Qt::LeftButton, beam.ScreenX, beam.ScreenY);
    EXPECT_EQ(session.selectedFrame, 0);
    EXPECT_EQ(session.view.OffsetX, offsetX);
    click(Qt::RightButton, beam.ScreenX, beam.ScreenY);
    EXPECT_EQ(session.interaction.mode, ModeNone);
}

TEST_F(ViewCommandTest, RefreshHidesTheLoads) {
    session.loadDisplay = {1, 1};
    button("toolButton2")->click();
    EXPECT_EQ(session.loadDisplay.loadCase, 0);
}

TEST_F(ViewCommandTest, ClearResultsZeroesDisplacementsAndHingeValuesOnly) {
    TNODE& joint = session.model.nodes[2];
    joint.ux = 50;
    joint.uz = -20;
    joint.histUX = {0, 1.5};
    session.model.frames[1].hingeValueI = 0.003;
    session.model.frames[3].hingeValueJ = -0.002;
    session.results.DeformationScale = 10;
    button("toolButton13")->click(); // redraw with the displacement shown
    const int displacedX = joint.ScreenX;

    button("toolButton27")->click();

    EXPECT_EQ(joint.ux, 0.0);
    EXPECT_EQ(joint.uz, 0.0);
    EXPECT_EQ(session.model.frames[1].hingeValueI, 0.0);
    EXPECT_EQ(session.model.frames[3].hingeValueJ, 0.0);
    EXPECT_EQ(joint.histUX, std::vector<double>({0, 1.5}));
    EXPECT_EQ(session.results.DeformationScale, 10.0);
    EXPECT_NE(joint.ScreenX, displacedX); // redrawn undisplaced
}

// The solver is the real one the build places beside the executables.
TEST_F(ViewCommandTest, RunOpenSeesStartsTheSolverOnTheChosenScriptInItsFolder) {
    const std::filesystem::path scriptFolder = temp.path() / "run folder";
    std::filesystem::create_directories(scriptFolder);
    const std::string script = (scriptFolder / "write mark.tcl").string();
    test::writeFile(script, "set f [open mark.txt w]\nputs $f done\nclose $f\n");
    dialogs.cancel();
    button("toolButton26")->click();
    dialogs.answer(QString::fromStdString(script));
    button("toolButton26")->click();

    EXPECT_EQ(dialogs.requests(),
              QStringList({"open|s2k file (*.s2k *.$2k *.e2k)|s2k", "open|OpenSees script (*.tcl *.py)|tcl",
                           "open|OpenSees script (*.tcl *.py)|tcl"}));
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    const std::filesystem::path mark = scriptFolder / "mark.txt";
    for (int waited = 0; waited < 600 && !std::filesystem::exists(mark); ++waited)
        QTest::qWait(100);
    ASSERT_TRUE(std::filesystem::exists(mark)) << "the solver did not run the script in its folder";
    QTest::qWait(200); // let the solver finish writing before the folder is removed
    EXPECT_EQ(test::readFile(mark.string()), "done\n");
}

} // namespace
} // namespace kelvane
