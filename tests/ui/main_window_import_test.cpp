// The import command: file dialog, cancel behaviour, status-bar counts, redraw and fit, failures.
#include "model/ui/import_report_window.h"
#include "script/ui/script_window.h"
#include "ui/main_window_fixture.h"
#include "viewer/ui/frame_properties_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace kelvane {
namespace {

class ImportCommandTest : public test::MainWindowFixture {
  protected:
    QStringList countPanels() const {
        QStringList counts;
        for (int panel = 3; panel <= 15; panel += 2)
            counts << window->statusPanelText(panel);
        return counts;
    }
};

TEST_F(ImportCommandTest, ImportShowsTheCountsThenRedrawsAndFitsTheModel) {
    importModelText(test::kPortalFrameS2k);

    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(dialogs.requests(), QStringList({"open|s2k file (*.s2k *.$2k *.e2k)|s2k"}));
    // joints, frames, shells, solids, materials, frame sections, shell sections
    EXPECT_EQ(countPanels(), QStringList({"4", "3", "0", "0", "1", "2", "0"}));
    EXPECT_EQ(window->statusPanelText(2), "Node");
    EXPECT_EQ(window->statusPanelText(16), "");
    EXPECT_NE(session.view.Scale, 5.0); // fitted

    // The fixed joint 1 carries a magenta support square at its projected point.
    const TNODE& joint1 = session.model.nodes[1];
    EXPECT_EQ(pixel(joint1.ScreenX - 4, joint1.ScreenY - 4), QColor(255, 0, 255));
}

// The control joint of a larger model is not carried into this one without a word.
TEST_F(ImportCommandTest, SettingsTheNewModelLacksAreResetWithANotice) {
    session.analysis.controlNode = 57;
    importModelText(test::kPortalFrameS2k);
    ASSERT_EQ(shownNotices.messages().size(), 1);
    EXPECT_TRUE(shownNotices.messages()[0].contains(
        "Control Node: joint 57 is not a joint of this model (joints 1 to 4)"))
        << shownNotices.messages()[0].toStdString();
    const std::int32_t joint = session.analysis.controlNode;
    ASSERT_TRUE(joint >= 1 && joint <= 4);
    EXPECT_EQ(session.model.nodes[static_cast<std::size_t>(joint)].restraint[1], 0);
    importModelText(test::kPortalFrameS2k);
    EXPECT_EQ(shownNotices.messages().size(), 1) << "settings that fit are not reported";
}

TEST_F(ImportCommandTest, StartUpImportOfANamedFileWorksLikeTheCommand) {
    const std::string path = temp.file("portal.s2k");
    test::writeFile(path, test::kPortalFrameS2k);
    window->importFile(QString::fromStdString(path));
    EXPECT_TRUE(errors.messages().isEmpty());
    EXPECT_EQ(countPanels(), QStringList({"4", "3", "0", "0", "1", "2", "0"}));
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(ImportCommandTest, CancelReimportsTheLinesLoadedLast) {
    importModelText(test::kPortalFrameS2k);
    session.model.nodes[2].z = 999;
    session.model.frameCount = 1;

    dialogs.cancel();
    button("toolButton1")->click();

    EXPECT_TRUE(errors.messages().isEmpty());
    EXPECT_EQ(dialogs.requests().size(), 2);
    EXPECT_EQ(session.model.nodes[2].z, 3000.0);
    EXPECT_EQ(session.model.frameCount, 3);
    EXPECT_EQ(countPanels(), QStringList({"4", "3", "0", "0", "1", "2", "0"}));
}

TEST_F(ImportCommandTest, CancelBeforeAnyFileGivesAnEmptyModelWithZeroCounts) {
    dialogs.cancel();
    button("toolButton1")->click();
    EXPECT_TRUE(errors.messages().isEmpty());
    EXPECT_EQ(countPanels(), QStringList({"0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(session.view.Scale, 5.0); // nothing to fit
}

TEST_F(ImportCommandTest, AFailingImportShowsTheMessageAndLeavesTheStatusBar) {
    importModelText(test::kPortalFrameS2k);
    importModelText(test::kBadCoordinateS2k, "bad.s2k");

    EXPECT_EQ(errors.messages(),
              QStringList({"'abc' is not a valid floating point value (table JOINT, line 6)"}));
    EXPECT_EQ(countPanels(), QStringList({"4", "3", "0", "0", "1", "2", "0"}));
    EXPECT_TRUE(window->isVisible());

    // The program keeps running: the next import works.
    importModelText(test::kPortalFrameS2k, "again.s2k");
    EXPECT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(session.model.frameCount, 3);
}

TEST_F(ImportCommandTest, ATableFormatFileImportsLikeAVersion6FileAndShowsItsReport) {
    importModelText(test::kPortalFrameTables, "portal.$2k");

    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(countPanels(), QStringList({"4", "3", "0", "0", "1", "2", "0"}));
    EXPECT_EQ(session.model.nodes[2].label, "A2");
    EXPECT_EQ(session.model.nodes[2].z, 3000.0);
    EXPECT_NE(session.view.Scale, 5.0); // fitted
    const TNODE& joint1 = session.model.nodes[1];
    EXPECT_EQ(pixel(joint1.ScreenX - 4, joint1.ScreenY - 4), QColor(255, 0, 255));
    ImportReportWindow* report = window->importReportWindow();
    ASSERT_TRUE(report->isVisible());
    EXPECT_TRUE(
        report->reportText().startsWith("SAP2000 table-format import\nUnits: KN, m, C converted to N and mm"))
        << report->reportText().toStdString();

    // A version-6 file imported next has no report to show.
    importModelText(test::kPortalFrameS2k, "v6.s2k");
    EXPECT_FALSE(report->isVisible());
    EXPECT_TRUE(report->reportText().isEmpty());
}

// A failed import of either format leaves the model shown before as it was, and its lines for a
// cancelled dialog to import again.
TEST_F(ImportCommandTest, AFailedImportKeepsThePreviousModelShownAndUsable) {
    importModelText(test::kPortalFrameTables, "portal.$2k");
    const TNODE joint1 = session.model.nodes[1];
    const QColor support = pixel(joint1.ScreenX - 4, joint1.ScreenY - 4);
    for (const char* bad : {test::kBadJointTables, test::kBadCoordinateS2k}) {
        importModelText(bad, "bad.s2k");
        EXPECT_EQ(session.model.frameCount, 3);
        EXPECT_EQ(session.model.nodes[1].label, "A1");
        EXPECT_EQ(pixel(joint1.ScreenX - 4, joint1.ScreenY - 4), support);
        EXPECT_EQ(countPanels(), QStringList({"4", "3", "0", "0", "1", "2", "0"}));
    }
    EXPECT_EQ(
        errors.messages(),
        QStringList({"Table \"CONNECTIVITY - FRAME\", line 6: JointJ=A9: there is no joint of that name",
                     "'abc' is not a valid floating point value (table JOINT, line 6)"}));
    dialogs.cancel();
    button("toolButton1")->click();
    EXPECT_EQ(errors.messages().size(), 2);
    EXPECT_EQ(session.model.nodes[4].label, "B1");
}

TEST_F(ImportCommandTest, AFileWithoutTheTablesOfAModelIsRefusedAndTheModelStays) {
    importModelText(test::kPortalFrameS2k);
    for (const char* name : {"notes.txt", "empty.s2k"}) {
        importModelText(std::string(name) == "empty.s2k" ? "" : "Some notes\nand no tables\n", name);
        EXPECT_EQ(errors.messages().back(), "The file \"" + QString::fromStdString(temp.file(name)) +
                                                "\" holds none of the tables of a SAP2000 model");
        EXPECT_EQ(session.model.frameCount, 3);
        EXPECT_EQ(countPanels(), QStringList({"4", "3", "0", "0", "1", "2", "0"}));
    }
    EXPECT_EQ(errors.messages().size(), 2);
}

// The script and the picked frame belong to the model they were made for.
TEST_F(ImportCommandTest, AnotherModelMakesTheScriptNotCurrentAndEmptiesTheFrameProperties) {
    importModelText(test::kPortalFrameS2k);
    auto* script = toolWindow<ScriptWindow>();
    script->findChild<QPushButton*>("generateButton")->click();
    ASSERT_TRUE(script->isCurrent());
    button("toolButton17")->click();
    const TFRAME& beam = session.model.frames[2];
    click(Qt::LeftButton, beam.ScreenX, beam.ScreenY);
    auto* properties = toolWindow<FramePropertiesWindow>();
    ASSERT_TRUE(properties->isVisible());

    importModelText(test::kBadCoordinateS2k, "bad.s2k"); // a failed import changes nothing
    EXPECT_TRUE(script->isCurrent());
    EXPECT_EQ(session.selectedFrame, 2);

    importModelText(test::kPortalFrameTables, "portal.$2k");
    EXPECT_FALSE(script->isCurrent());
    EXPECT_EQ(script->windowTitle(), "OpenSEES Tcl File (not current)");
    EXPECT_EQ(session.selectedFrame, 0);
    EXPECT_TRUE(properties->findChild<QLineEdit*>("frameLabel")->text().isEmpty());
    auto* grid = properties->findChild<QTableWidget*>("grid");
    EXPECT_EQ(grid->item(1, 0)->text(), "Node i");
    EXPECT_TRUE(grid->item(1, 1)->text().isEmpty());
    properties->findChild<QPushButton*>("refreshButton")->click();
    EXPECT_EQ(errors.messages().size(), 1) << errors.messages().join('\n').toStdString();
}

TEST_F(ImportCommandTest, AMissingFileIsReportedAndTheLinesLoadedLastStay) {
    importModelText(test::kPortalFrameS2k);
    dialogs.answer(QString::fromStdString(temp.file("missing.s2k")));
    button("toolButton1")->click();

    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages()[0].startsWith("Cannot open file \"")) << errors.messages()[0].toStdString();
    EXPECT_TRUE(errors.messages()[0].contains("missing.s2k"));
    EXPECT_EQ(session.model.frameCount, 3);
}

TEST_F(ImportCommandTest, AFileNameOutsideAsciiIsShownAsWrittenInTheMessage) {
    dialogs.answer(QString::fromStdString(temp.file("")) + QStringLiteral("Gebäude.s2k"));
    button("toolButton1")->click();
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages()[0].contains(QStringLiteral("Gebäude.s2k")))
        << errors.messages()[0].toStdString();
}

} // namespace
} // namespace kelvane
