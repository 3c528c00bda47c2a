#include "app/session.h"
#include "script/ui/recorder_setting_window.h"
#include "ui/ui_test_support.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

class RecorderSettingWindowTest : public ::testing::Test {
  protected:
    QCheckBox* check(const char* name) {
        auto* box = window.findChild<QCheckBox*>(QString::fromLatin1(name));
        if (!box)
            ADD_FAILURE() << "no check box " << name;
        return box;
    }
    // Clicks the box's indicator (the middle of a wide box lies beyond its caption).
    void click(const char* name) {
        QCheckBox* box = check(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    const bool applicationReady = (test::ensureApplication(), true);
    Session session;
    RecorderSettingWindow window{session};
};

TEST_F(RecorderSettingWindowTest, ShowsTheSettingsUnderTheirCaptions) {
    session.recorders.sectionStressStrain = true;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Recorder Setting");
    EXPECT_TRUE(check("nodeDisplacement")->isChecked());
    EXPECT_FALSE(check("elementForce")->isChecked());
    EXPECT_FALSE(check("sectionDeformation")->isChecked());
    EXPECT_TRUE(check("sectionStressStrain")->isChecked());
    EXPECT_FALSE(check("modalShape")->isChecked());
    EXPECT_FALSE(check("baseReactions")->isChecked());
    EXPECT_EQ(check("baseReactions")->text(), "Base Reactions");
    EXPECT_EQ(check("sectionStressStrain")->text(), "Force/Disp Beam Column Section Stress-Strain");
}

TEST_F(RecorderSettingWindowTest, OkStoresEveryBoxAndCloses) {
    window.show();
    click("nodeDisplacement");
    click("elementForce");
    click("sectionDeformation");
    click("modalShape");
    click("baseReactions");
    QTest::mouseClick(window.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    const RecorderSettings& r = session.recorders;
    EXPECT_FALSE(r.nodeDisplacement);
    EXPECT_TRUE(r.elementForce);
    EXPECT_TRUE(r.sectionDeformation);
    EXPECT_FALSE(r.sectionStressStrain);
    EXPECT_TRUE(r.modalShape);
    EXPECT_TRUE(r.baseReactions);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(RecorderSettingWindowTest, ClosingWithoutOkDiscardsTheEdits) {
    window.show();
    click("elementForce");
    click("nodeDisplacement");
    window.close();
    EXPECT_FALSE(session.recorders.elementForce);
    EXPECT_TRUE(session.recorders.nodeDisplacement);
    window.show();
    EXPECT_FALSE(check("elementForce")->isChecked());
    EXPECT_TRUE(check("nodeDisplacement")->isChecked());
}

} // namespace
} // namespace kelvane
