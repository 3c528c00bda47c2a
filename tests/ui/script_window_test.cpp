#include "app/session.h"
#include "model/s2k_import.h"
#include "script/script_generator.h"
#include "script/ui/script_window.h"
#include "support/test_support.h"
#include "ui/ui_test_support.h"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

std::string crLfText(const ScriptLines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class ScriptWindowTest : public ::testing::Test {
  protected:
    ScriptWindowTest() {
        importS2kFile(session.model, session.colours, test::dataPath("sections/frame_sections.s2k"));
        window.show();
    }

    QPlainTextEdit* text() { return window.findChild<QPlainTextEdit*>(QStringLiteral("scriptText")); }
    void press(const char* name) {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    // The script the generator writes for the same model and settings.
    ScriptLines expectedScript() {
        ModelStore copy = session.model;
        return generateScript(copy, session.analysis, session.recorders);
    }

    const bool applicationReady = (test::ensureApplication(), true);
    Session session;
    ScriptWindow window{session};
    test::TempDir folder;
    test::ScriptedFileDialogs dialogs;
    test::ErrorCapture errors;
};

TEST_F(ScriptWindowTest, StartsWithItsTitleLineInGreenFixedPitch) {
    EXPECT_EQ(window.windowTitle(), "OpenSEES Tcl File");
    EXPECT_EQ(text()->toPlainText(), "OpenSEES Tcl File");
    EXPECT_FALSE(text()->isReadOnly());
    EXPECT_TRUE(QFontInfo(text()->font()).fixedPitch());
    EXPECT_EQ(text()->palette().color(QPalette::Text), QColor(0, 128, 0));
    bool labelFound = false;
    for (const QLabel* label : window.findChildren<QLabel*>())
        labelFound = labelFound || label->text() == "OpenSEES tcl File";
    EXPECT_TRUE(labelFound);
}

TEST_F(ScriptWindowTest, SavesTheGeneratedScriptWithHandEditsUnderTheExactNameTyped) {
    const ScriptLines expected = expectedScript();
    ASSERT_GT(expected.size(), 10u);
    press("generateButton");
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();

    const std::string path = folder.file("model");
    dialogs.answer(QString::fromStdString(path));
    press("saveButton");
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests().front(), "save|OpenSEES tcl(*.tcl)|");
    EXPECT_EQ(test::readFile(path), crLfText(expected)); // byte for byte, no ".tcl" added
    EXPECT_FALSE(std::filesystem::exists(path + ".tcl"));
    EXPECT_EQ(suggestedDialogFile(scriptRunFilter()), QString::fromStdString(path))
        << "Run OpenSEES offers it";

    // Edit the first line by hand: the edit is saved; a new generation discards it.
    QTextCursor cursor(text()->document());
    cursor.movePosition(QTextCursor::EndOfLine);
    cursor.insertText(QStringLiteral(" ;# checked"));
    ScriptLines edited = expected;
    edited[0] += " ;# checked";
    dialogs.answer(QString::fromStdString(path));
    press("saveButton");
    EXPECT_EQ(test::readFile(path), crLfText(edited));

    press("generateButton");
    dialogs.answer(QString::fromStdString(path));
    press("saveButton");
    EXPECT_EQ(test::readFile(path), crLfText(expected));
}

TEST_F(ScriptWindowTest, SaveAsPythonWritesTheTwinOfTheModelNotTheTextArea) {
    ModelStore copy = session.model;
    const ScriptLines python =
        generateScript(copy, session.analysis, session.recorders, ScriptLanguage::Python);
    ASSERT_EQ(python.at(1), "import openseespy.opensees as ops");
    text()->setPlainText(QStringLiteral("wipe ;# typed by hand"));

    const std::string path = folder.file("model.py");
    dialogs.answer(QString::fromStdString(path));
    press("savePythonButton");
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(dialogs.requests().front(), "save|OpenSeesPy(*.py)|");
    EXPECT_EQ(test::readFile(path), crLfText(python));
    EXPECT_EQ(text()->toPlainText(), "wipe ;# typed by hand");
}

TEST_F(ScriptWindowTest, FailedGenerationKeepsTheText) {
    press("generateButton");
    const QString generated = text()->toPlainText();
    TSECTION& beam = session.model.frameSections[1];
    beam.elementType = NonlinearBeamColumn;
    beam.sectionKind = 1;
    beam.barNumNX = 1; // a one-bar row has no spacing
    press("generateButton");
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages().front(), "Floating point division by zero");
    EXPECT_EQ(text()->toPlainText(), generated);
}

TEST_F(ScriptWindowTest, SaveBeforeAnyGenerateWritesNothing) {
    press("saveButton");
    EXPECT_EQ(errors.messages(), QStringList{"Generate a script first"});
    EXPECT_TRUE(dialogs.requests().isEmpty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// After a failed Generate, or once another model took the place of its own, the script shown is
// marked as not current, and Save asks first.
TEST_F(ScriptWindowTest, AScriptThatIsNotCurrentIsMarkedAndSaveAsksFirst) {
    auto* notCurrent = window.findChild<QLabel*>(QStringLiteral("notCurrent"));
    ASSERT_NE(notCurrent, nullptr);
    press("generateButton");
    EXPECT_TRUE(window.isCurrent());
    EXPECT_FALSE(notCurrent->isVisible());
    const std::string generated = crLfText(expectedScript());

    session.model.frameSections[1].elementType = NonlinearBeamColumn;
    session.model.frameSections[1].sectionKind = 1;
    session.model.frameSections[1].barNumNX = 1; // generation fails
    press("generateButton");
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(window.windowTitle(), "OpenSEES Tcl File (not current)");
    EXPECT_TRUE(notCurrent->isVisible());
    EXPECT_TRUE(notCurrent->text().contains("the last Generate failed")) << notCurrent->text().toStdString();

    test::QuestionCapture questions;
    const std::string path = folder.file("frame.tcl");
    dialogs.answer(QString::fromStdString(path));
    press("saveButton");
    ASSERT_EQ(questions.questions().size(), 1);
    EXPECT_EQ(questions.questions()[0],
              "The script shown is not current: the last Generate failed. Save it all the same?");
    EXPECT_TRUE(dialogs.requests().isEmpty()) << "No asks nothing more";
    EXPECT_FALSE(std::filesystem::exists(path));
    questions.answer = true;
    press("saveButton");
    EXPECT_EQ(test::readFile(path), generated);

    session.model.frameSections[1].barNumNX = 3;
    press("generateButton");
    EXPECT_TRUE(window.isCurrent());
    EXPECT_EQ(window.windowTitle(), "OpenSEES Tcl File");
    EXPECT_FALSE(notCurrent->isVisible());
    window.modelReplaced();
    EXPECT_EQ(window.windowTitle(), "OpenSEES Tcl File (not current)");
    EXPECT_TRUE(notCurrent->text().contains("another model was imported"))
        << notCurrent->text().toStdString();
}

TEST_F(ScriptWindowTest, ReplacingTheModelBeforeAnyGenerateMarksNothing) {
    window.modelReplaced();
    EXPECT_TRUE(window.isCurrent());
    EXPECT_EQ(window.windowTitle(), "OpenSEES Tcl File");
}

TEST_F(ScriptWindowTest, UnwritableTargetIsReportedAndCancelWritesNothing) {
    press("generateButton");
    const QString generated = text()->toPlainText();
    const std::string path = folder.file("missing folder/frame.tcl");
    dialogs.answer(QString::fromStdString(path));
    press("saveButton");
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(
        errors.messages().front().startsWith("Cannot create file \"" + QString::fromStdString(path) + "\". "))
        << errors.messages().front().toStdString();
    EXPECT_EQ(text()->toPlainText(), generated);

    dialogs.cancel();
    press("saveButton");
    EXPECT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(ScriptWindowTest, TextThatCannotBeSavedAsEightBitIsRefusedAndTheOldFileSurvives) {
    const std::string path = folder.file("frame.tcl");
    test::writeFile(path, "old\r\n");
    text()->setPlainText(QString::fromUtf8("wipe\n# 梁 beam"));
    dialogs.answer(QString::fromStdString(path));
    press("saveButton");
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages().front(), "Line 2 of the script holds the character U+6881, which cannot be "
                                         "saved in 8-bit text; nothing was saved.");
    EXPECT_EQ(test::readFile(path), "old\r\n");

    text()->setPlainText(QString::fromLatin1("# caf\xe9"));
    dialogs.answer(QString::fromStdString(path));
    press("saveButton");
    EXPECT_EQ(test::readFile(path), "# caf\xe9\r\n");
}

// What the script cannot move is said above it in red, and goes with the next generation.
TEST_F(ScriptWindowTest, WarnsOfAStaticLoadCaseWithoutLoads) {
    auto* warnings = window.findChild<QLabel*>(QStringLiteral("scriptWarnings"));
    ASSERT_NE(warnings, nullptr);
    const std::int32_t loads = session.model.loadCount;
    session.model.loadCount = 0;
    press("generateButton");
    EXPECT_TRUE(warnings->isVisible());
    EXPECT_EQ(
        warnings->text(),
        QStringLiteral("Warning: load case DEAD applies no load, so the static analysis moves nothing"));
    session.model.loadCount = loads;
    press("generateButton");
    EXPECT_FALSE(warnings->isVisible());
}

TEST_F(ScriptWindowTest, CloseHidesAndKeepsTheText) {
    text()->setPlainText(QStringLiteral("puts edited"));
    press("closeButton");
    EXPECT_FALSE(window.isVisible());
    window.show();
    EXPECT_EQ(text()->toPlainText(), "puts edited");
}

} // namespace
} // namespace kelvane
