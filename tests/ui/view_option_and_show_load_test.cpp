// "View Option" and "Show Load": what their controls show on opening and store on OK or Cancel.
#include "ui/main_window_fixture.h"
#include "viewer/ui/show_load_window.h"
#include "viewer/ui/view_option_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

namespace kelvane {
namespace {

class ViewOptionWindowTest : public test::MainWindowFixture {
  protected:
    QCheckBox* box(const char* name) const {
        return toolWindow<ViewOptionWindow>()->findChild<QCheckBox*>(QString::fromLatin1(name));
    }
    void press(const char* name) const {
        toolWindow<ViewOptionWindow>()->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
};

TEST_F(ViewOptionWindowTest, OpensWithTheCurrentSwitchesInWindowOrder) {
    session.viewOptions.diaphragms = true;
    button("toolButton9")->click();
    QStringList ticked;
    for (QCheckBox* check : toolWindow<ViewOptionWindow>()->findChildren<QCheckBox*>())
        ticked << check->text() + (check->isChecked() ? "+" : "-");
    EXPECT_EQ(ticked, QStringList({"Node+", "Node Labels-", "Frame+", "Frame Labels-", "Frame Axis-",
                                   "Node Support+", "Diaphragms+", "Hinge Circle-", "Shell Element+",
                                   "Shell Labels-", "Moment Release+", "Solid Element+", "Solid Label-"}));
}

TEST_F(ViewOptionWindowTest, CancelChangesNothingAndTheNextOpeningShowsTheSwitchesAgain) {
    QSignalSpy redraws(toolWindow<ViewOptionWindow>(), &ViewOptionWindow::redrawRequested);
    button("toolButton9")->click();
    box("node")->setChecked(false);
    box("solidLabel")->setChecked(true);
    press("cancelButton");

    EXPECT_FALSE(toolWindow<ViewOptionWindow>()->isVisible());
    EXPECT_TRUE(session.viewOptions.node);
    EXPECT_FALSE(session.viewOptions.solidLabel);
    EXPECT_EQ(redraws.count(), 0);

    button("toolButton9")->click();
    EXPECT_TRUE(box("node")->isChecked());
    EXPECT_FALSE(box("solidLabel")->isChecked());
}

TEST_F(ViewOptionWindowTest, OkStoresEverySwitchClosesAndRedraws) {
    importModelText(test::kPortalFrameS2k);
    const TFRAME& beam = session.model.frames[2];
    const QColor beamColour = pixel(beam.ScreenX, beam.ScreenY);
    ASSERT_NE(beamColour, QColor(Qt::white));

    button("toolButton9")->click();
    box("frame")->setChecked(false);
    box("nodeLabels")->setChecked(true);
    box("hingeCircle")->setChecked(true);
    press("okButton");

    EXPECT_FALSE(toolWindow<ViewOptionWindow>()->isVisible());
    EXPECT_FALSE(session.viewOptions.frame);
    EXPECT_TRUE(session.viewOptions.nodeLabels);
    EXPECT_TRUE(session.viewOptions.hingeCircle);
    EXPECT_TRUE(session.viewOptions.node);
    EXPECT_FALSE(session.viewOptions.frameLabels);
    // Redrawn: the beam's line is gone from the picture.
    EXPECT_EQ(pixel(beam.ScreenX, beam.ScreenY), QColor(Qt::white));
}

class ShowLoadWindowTest : public test::MainWindowFixture {
  protected:
    ShowLoadWindow* loads() const { return toolWindow<ShowLoadWindow>(); }
    QComboBox* loadCase() const { return loads()->findChild<QComboBox*>("loadCase"); }
    QListWidget* loadType() const { return loads()->findChild<QListWidget*>("loadType"); }
    void press(const char* name) const {
        loads()->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
};

TEST_F(ShowLoadWindowTest, OkShowsTheChosenCaseAndTypeAndTheTypePersists) {
    importModelText(test::kPortalFrameS2k);
    button("toolButton16")->click();
    QStringList types;
    for (int row = 0; row < loadType()->count(); ++row)
        types << loadType()->item(row)->text();
    EXPECT_EQ(types, QStringList({"Point Force", "Element Load"}));
    EXPECT_EQ(loadType()->currentRow(), 0);
    ASSERT_EQ(loadCase()->count(), 1);
    EXPECT_EQ(loadCase()->itemText(0), "PUSH");
    EXPECT_EQ(loadCase()->currentIndex(), 0);

    press("okButton");
    EXPECT_FALSE(loads()->isVisible());
    EXPECT_EQ(session.loadDisplay.loadCase, 1);
    EXPECT_EQ(session.loadDisplay.loadType, 1);
    // The joint force of PUSH is written at joint 2: 12345 N and -1600 N in kN.
    const TNODE& joint = session.model.nodes[2];
    EXPECT_EQ(pixel(joint.ScreenX + 1, joint.ScreenY + 1), QColor(240, 240, 240));

    button("toolButton16")->click();
    loadType()->setCurrentRow(1);
    press("okButton");
    EXPECT_EQ(session.loadDisplay.loadType, 2);
    button("toolButton16")->click();
    EXPECT_EQ(loadType()->currentRow(), 1);
}

TEST_F(ShowLoadWindowTest, CancelKeepsTheDisplayAndAModelWithoutCasesShowsNone) {
    session.loadDisplay = {3, 2};
    button("toolButton16")->click();
    EXPECT_EQ(loadCase()->count(), 0);
    press("cancelButton");
    EXPECT_EQ(session.loadDisplay.loadCase, 3);

    button("toolButton16")->click();
    press("okButton");
    EXPECT_EQ(session.loadDisplay.loadCase, 0);
    EXPECT_TRUE(errors.messages().isEmpty());
}

} // namespace
} // namespace kelvane
