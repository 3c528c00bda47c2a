#include "app/session.h"
#include "script/ui/analysis_setting_window.h"
#include "ui/ui_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <iterator>
#include <tuple>

namespace kelvane {
namespace {

class AnalysisSettingWindowTest : public ::testing::Test {
  protected:
    AnalysisSettingWindowTest() {
        session.model.loadCaseCount = 3;
        session.model.loadCaseNames = {"", "DEAD", "LIVE", "PUSH"};
    }

    QLineEdit* edit(const char* name) { return findControl<QLineEdit>(name); }
    QComboBox* list(const char* name) { return findControl<QComboBox>(name); }
    QCheckBox* check(const char* name) { return findControl<QCheckBox>(name); }

    template <class Control> Control* findControl(const char* name) {
        auto* control = window.findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            ADD_FAILURE() << "no control " << name;
        return control;
    }

    void type(const char* name, const QString& text) {
        QLineEdit* box = edit(name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    void pick(const char* name, int item) {
        QComboBox* box = list(name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(box, Qt::Key_Down);
    }

    // Clicks the box's indicator (the middle of a wide box lies beyond its caption).
    void tick(const char* name) {
        QCheckBox* box = check(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    void pressOk() { QTest::mouseClick(findControl<QPushButton>("okButton"), Qt::LeftButton); }

    const bool applicationReady = (test::ensureApplication(), true);
    Session session;
    AnalysisSettingWindow window{session};
};

TEST_F(AnalysisSettingWindowTest, ShowingFillsTheControlsFromTheSettings) {
    session.analysis.analysisType = 3;
    session.analysis.loadControlCase = 2;
    session.analysis.dispControlCase = 3;
    session.analysis.loadSteps = 10;
    session.analysis.controlNode = 42;
    session.analysis.useAggregator = true;
    session.analysis.genMass = false;
    window.show();

    EXPECT_EQ(window.windowTitle(), "Analysis Setting");
    EXPECT_EQ(list("analysisType")->count(), 7);
    EXPECT_EQ(list("analysisType")->currentText(), "Gravity+PushOver");
    EXPECT_EQ(list("loadControlCase")->count(), 3);
    EXPECT_EQ(list("loadControlCase")->currentText(), "LIVE");
    EXPECT_EQ(list("dispControlCase")->currentText(), "PUSH");
    EXPECT_FALSE(list("analysisType")->isEditable());
    EXPECT_EQ(edit("loadSteps")->text(), "10");
    EXPECT_EQ(edit("loadFactor")->text(), "1.00E+000");
    EXPECT_EQ(edit("controlNode")->text(), "42");
    EXPECT_EQ(edit("controlDisp")->text(), "1.00E-001");
    EXPECT_EQ(edit("controlDof")->text(), "1");
    EXPECT_EQ(edit("dispSteps")->text(), "100");
    EXPECT_EQ(edit("numIntgrPts")->text(), "3");
    EXPECT_EQ(edit("rebarMaterial")->text(), "1");
    EXPECT_EQ(edit("modalNumber")->text(), "12");
    EXPECT_TRUE(check("useAggregator")->isChecked());
    EXPECT_TRUE(check("genPlateFiber")->isChecked());
    EXPECT_FALSE(check("genMass")->isChecked());
    // Gravity+PushOver reads the load and displacement control boxes, not the record's; the
    // pushover's target is the increment per step times the steps.
    EXPECT_TRUE(edit("loadSteps")->isEnabled());
    EXPECT_TRUE(edit("controlDisp")->isEnabled());
    EXPECT_FALSE(edit("gmDt")->isEnabled());
    EXPECT_EQ(findControl<QLabel>("controlDispUnit")->text(), "mm per step");
    EXPECT_EQ(findControl<QLabel>("controlTarget")->text(), "target 10 mm after 100 steps");
    type("controlDisp", "5");
    EXPECT_EQ(findControl<QLabel>("controlTarget")->text(), "target 500 mm after 100 steps");
}

TEST_F(AnalysisSettingWindowTest, OkStoresEveryControlAndCloses) {
    window.show();
    pick("loadControlCase", 1);
    pick("dispControlCase", 2);
    type("loadSteps", "-5");
    type("loadFactor", "1.5E+000");
    type("controlNode", "7");
    type("controlDisp", "2.5");
    type("controlDof", "0");
    type("dispSteps", "250");
    type("numIntgrPts", "5");
    type("rebarMaterial", "2");
    type("modalNumber", "4");
    type("gravityCases", "DEAD:1.0,LIVE:0.25");
    pick("pushPattern", 1);
    type("dampingMode", "3");
    tick("useAggregator");
    tick("genPlateFiber");
    tick("genMass");
    pick("analysisType", 6); // last: it disables the boxes multiple-support excitation does not read
    test::ErrorCapture errors;
    pressOk();

    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    const AnalysisSettings& s = session.analysis;
    EXPECT_EQ(s.analysisType, 7);
    EXPECT_EQ(s.loadControlCase, 2);
    EXPECT_EQ(s.dispControlCase, 3);
    EXPECT_EQ(s.loadSteps, -5); // no range check
    EXPECT_EQ(s.loadFactor, 1.5);
    EXPECT_EQ(s.controlNode, 7);
    EXPECT_EQ(s.controlDisp, 2.5);
    EXPECT_EQ(s.controlDof, 0);
    EXPECT_EQ(s.dispSteps, 250);
    EXPECT_EQ(s.numIntgrPts, 5);
    EXPECT_EQ(s.rebarMaterial, 2);
    EXPECT_EQ(s.modalNumber, 4);
    EXPECT_EQ(std::make_tuple(s.gravityCases, s.pushPattern, s.dampingMode),
              std::make_tuple(std::string("DEAD:1.0,LIVE:0.25"), std::int32_t{PushFirstMode}, 3));
    EXPECT_TRUE(s.useAggregator);
    EXPECT_FALSE(s.genPlateFiber);
    EXPECT_FALSE(s.genMass);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(AnalysisSettingWindowTest, LoadCaseBeyondAShorterListIsUnselectedAndStoresZero) {
    session.analysis.loadControlCase = 5;
    session.analysis.dispControlCase = 0;
    window.show();
    EXPECT_EQ(list("loadControlCase")->currentIndex(), -1);
    EXPECT_EQ(list("dispControlCase")->currentIndex(), -1);
    pressOk();
    EXPECT_EQ(session.analysis.loadControlCase, 0);
    EXPECT_EQ(session.analysis.dispControlCase, 0);
}

TEST_F(AnalysisSettingWindowTest, UnconvertibleBoxStopsOkAfterTheFieldsBeforeIt) {
    window.show();
    pick("analysisType", 2);
    pick("loadControlCase", 2);
    pick("dispControlCase", 1);
    type("loadSteps", "20");
    type("loadFactor", "1.5");
    type("rebarMaterial", "3");
    type("numIntgrPts", "4");
    type("dispSteps", "50");
    type("controlDof", "abc");
    type("controlDisp", "9");
    type("controlNode", "9");
    type("modalNumber", "9");
    tick("useAggregator");
    tick("genMass");
    test::ErrorCapture errors;
    pressOk();

    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages().front(), "Control Dof: 'abc' is not a valid integer value");
    const AnalysisSettings& s = session.analysis;
    EXPECT_EQ(s.loadSteps, 20);
    EXPECT_EQ(s.loadFactor, 1.5);
    EXPECT_EQ(s.loadControlCase, 3);
    EXPECT_EQ(s.dispControlCase, 2);
    EXPECT_EQ(s.analysisType, 3);
    EXPECT_EQ(s.rebarMaterial, 3);
    EXPECT_EQ(s.numIntgrPts, 4);
    EXPECT_EQ(s.dispSteps, 50);
    const AnalysisSettings defaults;
    EXPECT_EQ(s.controlDof, defaults.controlDof);
    EXPECT_EQ(s.controlDisp, defaults.controlDisp);
    EXPECT_EQ(s.controlNode, defaults.controlNode);
    EXPECT_EQ(s.useAggregator, defaults.useAggregator);
    EXPECT_EQ(s.modalNumber, defaults.modalNumber);
    EXPECT_EQ(s.genMass, defaults.genMass);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(AnalysisSettingWindowTest, ClosingWithoutOkDiscardsEditsButModalNumberKeepsItsText) {
    window.show();
    type("loadSteps", "77");
    type("modalNumber", "30");
    tick("genMass");
    window.close();
    EXPECT_EQ(session.analysis.loadSteps, 100);
    EXPECT_EQ(session.analysis.modalNumber, 12);

    session.model.loadCaseCount = 1; // the model was reloaded with fewer cases
    window.show();
    EXPECT_EQ(edit("loadSteps")->text(), "100");
    EXPECT_TRUE(check("genMass")->isChecked());
    EXPECT_EQ(list("loadControlCase")->count(), 1);
    EXPECT_EQ(edit("modalNumber")->text(), "30");
    pressOk();
    EXPECT_EQ(session.analysis.modalNumber, 30);
}

// The ground-motion group comes last: it shows today's record and steps, takes a record picked with
// "Browse...", and a record name the script cannot carry stops "OK" after the fields before it.
TEST_F(AnalysisSettingWindowTest, GroundMotionGroupShowsTheRecordAndStoresItLast) {
    window.show();
    const char* names[] = {"gmFile", "gmDt", "gmFactor", "gmDirection", "thDt", "thSteps", "dampingRatio"};
    QStringList shown;
    for (const char* name : names)
        shown << edit(name)->text();
    EXPECT_EQ(shown, (QStringList{"GMX.txt", "0.02", "0.1", "1", "0.02", "1000", "0.05"}));

    test::ScriptedFileDialogs dialogs;
    dialogs.answer(QStringLiteral("/data/records/RSN6_IMPVALL.I_I-ELC180.AT2"));
    QTest::mouseClick(findControl<QPushButton>("gmFileBrowse"), Qt::LeftButton);
    EXPECT_EQ(dialogs.requests(),
              QStringList{"open|Ground motion record (*.txt *.AT2 *.at2);;All files (*)|"});
    EXPECT_EQ(edit("gmFile")->text(), "/data/records/RSN6_IMPVALL.I_I-ELC180.AT2");
    const char* typed[] = {nullptr, "0.005", "1.5", "2", "0.01", "3000", "0.03"};
    for (std::size_t i = 1; i < std::size(names); ++i)
        type(names[i], QString::fromLatin1(typed[i]));
    test::ErrorCapture errors;
    pressOk();
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    const AnalysisSettings& s = session.analysis;
    EXPECT_EQ(s.gmFile, "/data/records/RSN6_IMPVALL.I_I-ELC180.AT2");
    EXPECT_EQ(std::make_tuple(s.gmDt, s.gmFactor, s.gmDirection, s.thDt, s.thSteps, s.dampingRatio),
              std::make_tuple(0.005, 1.5, 2, 0.01, 3000, 0.03));
    EXPECT_FALSE(window.isVisible());

    window.show();
    type("gmFile", "my record.txt");
    type("thSteps", "10");
    tick("genMass");
    pressOk();
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages().front().startsWith("The ground-motion record file name \"my record.txt\""));
    EXPECT_FALSE(s.genMass);
    EXPECT_EQ(s.gmFile, "/data/records/RSN6_IMPVALL.I_I-ELC180.AT2");
    EXPECT_EQ(s.thSteps, 3000);
    EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace kelvane
