#include "app/session.h"
#include "model/s2k_import.h"
#include "sections/ui/material_window.h"
#include "support/test_support.h"
#include "ui/ui_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

class MaterialWindowTest : public ::testing::Test {
  protected:
    QLineEdit* edit(const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QComboBox* type() { return window.findChild<QComboBox*>(QStringLiteral("model")); }
    QListWidget* materials() { return window.findChild<QListWidget*>(QStringLiteral("materialList")); }
    void clickMaterial(int k) {
        QListWidgetItem* item = materials()->item(k - 1);
        QTest::mouseClick(materials()->viewport(), Qt::LeftButton, {},
                          materials()->visualItemRect(item).center());
    }

    const bool applicationReady = (test::ensureApplication(), true);
    Session session;
    MaterialWindow window{session};
};

TEST_F(MaterialWindowTest, ShowsTheMaterialsWithWholeModuliAndAThreeDecimalRatio) {
    importS2kFile(session.model, session.colours, test::dataPath("sections/frame_sections.s2k"));
    window.show();
    EXPECT_EQ(window.windowTitle(), "Material Data");
    ASSERT_EQ(materials()->count(), 3);
    EXPECT_EQ(materials()->currentRow(), 0);
    EXPECT_EQ(edit("name")->text(), "STEEL");
    EXPECT_TRUE(edit("name")->isReadOnly());
    EXPECT_EQ(edit("e")->text(), "200000");
    EXPECT_EQ(edit("nu")->text(), "0.300");

    clickMaterial(3); // E = 25000.4, U = 0.25, so G = 10000.16
    EXPECT_EQ(edit("name")->text(), "LIGHTC");
    EXPECT_EQ(type()->currentText(), "Elastic");
    EXPECT_EQ(edit("e")->text(), "25000");
    EXPECT_EQ(edit("g")->text(), "10000");
    EXPECT_EQ(edit("nu")->text(), "0.250");
}

TEST_F(MaterialWindowTest, ModelWithoutMaterialsLeavesTheBoxesBlank) {
    window.show();
    EXPECT_EQ(materials()->count(), 0);
    EXPECT_EQ(edit("name")->text(), "");
    EXPECT_EQ(edit("e")->text(), "");
    EXPECT_EQ(type()->currentText(), "Elastic");
    EXPECT_EQ(type()->count(), 5);
}

TEST_F(MaterialWindowTest, EditsAreNeverStoredAndReopeningStartsAtTheFirstMaterial) {
    importS2kFile(session.model, session.colours, test::dataPath("sections/frame_sections.s2k"));
    window.show();
    clickMaterial(2);
    type()->setFocus();
    QTest::keyClick(type(), Qt::Key_Down); // "Steel01"
    EXPECT_EQ(type()->currentText(), "Steel01");
    edit("e")->selectAll();
    QTest::keyClicks(edit("e"), "1");
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(session.model.materials[2].model, 1);
    EXPECT_EQ(session.model.materials[2].e, 30000);

    window.show();
    EXPECT_EQ(materials()->currentRow(), 0);
    EXPECT_EQ(edit("name")->text(), "STEEL");

    // A model without materials imported afterwards leaves nothing of the old one on show.
    window.close();
    session.model.materialCount = 0;
    window.show();
    EXPECT_EQ(materials()->count(), 0);
    EXPECT_EQ(edit("name")->text(), "");
    EXPECT_EQ(edit("e")->text(), "");
}

} // namespace
} // namespace kelvane
