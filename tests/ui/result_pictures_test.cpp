// "Member Force", the end forces in "Frame Properties", the mode's period in "Deformation Shape"
// and File > Save Picture.
#include "results/ui/deformation_window.h"
#include "results/ui/force_window.h"
#include "ui/main_window_fixture.h"
#include "viewer/ui/frame_properties_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTableWidget>

namespace kelvane {
namespace {

// The portal of kPortalFrameS2k: three nonlinear beam-columns, twelve end forces each.
class ResultPicturesTest : public test::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        importModelText(test::kPortalFrameS2k);
        ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
        std::filesystem::create_directories(temp.path() / "out");
    }
    QString recorderFile(const std::string& name, const std::string& text) {
        const std::string path = (temp.path() / "out" / name).string();
        test::writeFile(path, text);
        return QString::fromStdString(path);
    }
    template <class Window, class Widget> Widget* control(const char* name) const {
        return toolWindow<Window>()->template findChild<Widget*>(QString::fromLatin1(name));
    }
    void menu(const QString& title, const QString& entry) {
        for (QAction* column : window->menuBar()->actions())
            if (column->text() == title)
                for (QAction* action : column->menu()->actions())
                    if (action->text() == entry)
                        action->trigger();
    }
    int diagramPixels() const {
        const QImage& image = surface()->image();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y) & 0xFFFFFF;
                count += p == 0xFFE65A || p == 0xFF8282 ? 1 : 0;
            }
        return count;
    }
};

TEST_F(ResultPicturesTest, ForceWindowReadsTheStepAndOkDrawsTheChosenDiagram) {
    // Step 1 all zero; step 2: every frame's solver moments My = 2e6 at I and -3e6 at J.
    std::string zeros = "1", line = "2";
    for (int frame = 0; frame < 3; ++frame) {
        zeros += " 0 0 0 0 0 0 0 0 0 0 0 0";
        line += " 0 0 0 0 2000000 0 0 0 0 0 -3000000 0";
    }
    recorderFile("ele0.out", zeros + "\n" + line + "\n");
    menu("Post", "Force");
    control<ForceWindow, QLineEdit>("loadStep")->setText("2");
    dialogs.answer(recorderFile("notes.txt", ""));
    control<ForceWindow, QPushButton>("loadForceDataButton")->click();
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(session.results.forces.step, 2);
    ASSERT_TRUE(session.model.frames[2].hasEndForces);
    EXPECT_EQ(session.model.frames[2].endForces[5], 2e6);  // M3 at I = My
    EXPECT_EQ(session.model.frames[2].endForces[11], 3e6); // M3 at J = -My
    EXPECT_EQ(diagramPixels(), 0);                         // nothing drawn before OK

    QSignalSpy redraws(toolWindow<ForceWindow>(), &ForceWindow::redrawRequested);
    control<ForceWindow, QLineEdit>("diagramSize")->setText("0");
    control<ForceWindow, QPushButton>("okButton")->click();
    EXPECT_EQ(errors.messages(), QStringList({"Diagram Size: the size must be a number above 0, not '0'"}));
    EXPECT_EQ(session.results.forces.component, ForceNone);
    control<ForceWindow, QLineEdit>("diagramSize")->setText("0.2");
    control<ForceWindow, QComboBox>("units")->setCurrentIndex(1);
    control<ForceWindow, QPushButton>("okButton")->click();
    EXPECT_EQ(session.results.forces.component, ForceM3); // the list opens on M3
    EXPECT_EQ(session.results.forces.units, UnitsKilonewtonMetre);
    EXPECT_EQ(session.results.forces.fraction, 0.2);
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_FALSE(toolWindow<ForceWindow>()->isVisible());
    EXPECT_GT(diagramPixels(), 1000);

    // The picked frame lists its end forces in the diagram's units.
    session.selectedFrame = 2;
    toolWindow<FramePropertiesWindow>()->show();
    auto* grid = control<FramePropertiesWindow, QTableWidget>("grid");
    EXPECT_EQ(grid->item(7 + 5, 0)->text(), QString::fromLatin1("M3 i [kN\xB7m]"));
    EXPECT_EQ(grid->item(7 + 5, 1)->text(), "2");
    EXPECT_EQ(grid->item(7 + 11, 1)->text(), "3");
    toolWindow<FramePropertiesWindow>()->close();

    menu("Post", "Force");
    control<ForceWindow, QPushButton>("noDiagramButton")->click();
    EXPECT_EQ(session.results.forces.component, ForceNone);
    EXPECT_EQ(diagramPixels(), 0);

    // A new import takes the forces and the diagram with the old frames.
    control<ForceWindow, QPushButton>("okButton")->click();
    EXPECT_GT(diagramPixels(), 1000);
    importModelText(test::kPortalFrameS2k, "again.s2k");
    EXPECT_EQ(session.results.forces.component, ForceNone);
    EXPECT_FALSE(session.model.frames[2].hasEndForces);
    EXPECT_EQ(diagramPixels(), 0);
}

TEST_F(ResultPicturesTest, TheModeShapeShowsItsPeriodWhenTheFolderHasPeriodsTxt) {
    const QString shape = recorderFile("eigen2_node0.out", "0 0 0 0 1 0 0 1 0 0 0 0 0\n");
    button("toolButton25")->click();
    control<DeformationWindow, QLineEdit>("modeNum")->setText("2");
    dialogs.answer(shape);
    control<DeformationWindow, QPushButton>("loadModeShapeButton")->click();
    auto* period = control<DeformationWindow, QLabel>("modePeriod");
    EXPECT_EQ(period->text(), "not known (no Periods.txt)");

    recorderFile("Periods.txt", " 39.47841760435743 157.91367041742973\n");
    dialogs.answer(shape);
    control<DeformationWindow, QPushButton>("loadModeShapeButton")->click();
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(period->text(), "T = 0.5000 s, f = 2.000 Hz");
    EXPECT_EQ(session.results.mode, 2);
    EXPECT_EQ(session.model.nodes[2].ux, 1.0);
}

TEST_F(ResultPicturesTest, SavePictureWritesTheSurfaceAsPngOrSvgAtItsSize) {
    const std::string png = temp.file("view.png");
    dialogs.answer(QString::fromStdString(png));
    menu("File", "Save Picture");
    EXPECT_EQ(dialogs.requests().last(), "save|PNG picture (*.png);;SVG picture (*.svg)|png");
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32), surface()->image());

    const std::string svg = temp.file("view.svg");
    dialogs.answer(QString::fromStdString(svg));
    menu("File", "Save Picture");
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    QSvgRenderer renderer(QString::fromStdString(svg));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox().size(), surface()->size());

    dialogs.answer(QString::fromStdString(temp.file("view.bmp")));
    menu("File", "Save Picture");
    EXPECT_EQ(errors.messages(),
              QStringList({QString::fromStdString("The picture \"" + temp.file("view.bmp") +
                                                  "\" must be named .png or .svg")}));
    dialogs.cancel();
    menu("File", "Save Picture");
    EXPECT_EQ(errors.messages().size(), 1);
}

} // namespace
} // namespace kelvane
