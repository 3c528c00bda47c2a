#include "app/session.h"
#include "model/s2k_import.h"
#include "sections/ui/material_window.h"
#include "support/test_support.h"
#include "ui/ui_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gmock/gmock.h>
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
    test::PendingEditsCapture pending;
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

TEST_F(MaterialWindowTest, EditsNotStoredAreAppliedDiscardedOrKeptAsTheUserAnswers) {
    importS2kFile(session.model, session.colours, test::dataPath("sections/frame_sections.s2k"));
    window.show();
    QPushButton* close = window.findChild<QPushButton*>(QStringLiteral("closeButton"));
    const auto editSecond = [&] { // the concrete CONC to Concrete02
        clickMaterial(2);
        type()->setCurrentIndex(ModelConcrete02 - 1);
        emit type()->activated(ModelConcrete02 - 1);
    };
    // Viewing without editing asks nothing.
    clickMaterial(3);
    clickMaterial(1);
    EXPECT_TRUE(pending.questions().isEmpty());

    struct Case {
        PendingEdits answer;
        bool viaClose;
        int shownAfter;
        int storedModel;
    };
    const Case cases[] = {{PendingEdits::Cancel, false, 2, ModelElastic},
                          {PendingEdits::Cancel, true, 2, ModelElastic},
                          {PendingEdits::Discard, false, 3, ModelElastic},
                          {PendingEdits::Apply, false, 3, ModelConcrete02}};
    for (const Case& c : cases) {
        window.show();
        editSecond();
        pending.answer = c.answer;
        const int asked = static_cast<int>(pending.questions().size());
        if (c.viaClose)
            QTest::mouseClick(close, Qt::LeftButton);
        else
            clickMaterial(3);
        ASSERT_EQ(pending.questions().size(), asked + 1);
        EXPECT_THAT(pending.questions().back().toStdString(), ::testing::HasSubstr("material CONC"));
        EXPECT_EQ(window.isVisible(), !c.viaClose || c.answer == PendingEdits::Cancel);
        EXPECT_EQ(materials()->currentRow() + 1, c.shownAfter);
        EXPECT_EQ(session.model.materials[2].model, c.storedModel);
        if (c.answer == PendingEdits::Cancel) {
            EXPECT_EQ(type()->currentText(), "Concrete02") << "a cancel keeps the edits on show";
        }
    }

    pending.answer = PendingEdits::Discard;
    editSecond();
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
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

// The editor: the boxes of the chosen model with their defaults, OK storing all or nothing, the
// one-step defaults, and materials added and removed again.
TEST_F(MaterialWindowTest, StoresAModelWithItsParametersAndAddsMaterials) {
    importS2kFile(session.model, session.colours, test::dataPath("sections/frame_sections.s2k"));
    window.show();
    test::ErrorCapture errors;
    auto click = [&](const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    };
    auto type = [&](const char* box, const char* text) {
        edit(box)->selectAll();
        QTest::keyClicks(edit(box), QString::fromLatin1(text));
    };
    // STEEL has no FY= in this file: Steel02 starts without a yield stress, which OK refuses.
    this->type()->setCurrentIndex(3);
    emit this->type()->activated(3);
    ASSERT_NE(edit("Fy"), nullptr);
    EXPECT_EQ(edit("E0")->text(), "200000");
    EXPECT_EQ(edit("R0")->text(), "18");
    click("okButton");
    EXPECT_EQ(errors.messages(), QStringList{"Fy must be a positive number"});
    type("Fy", "x");
    click("okButton");
    EXPECT_EQ(errors.messages().back(), "Fy: 'x' is not a valid floating point value");
    EXPECT_EQ(session.model.materials[1].model, ModelElastic) << "nothing is stored from a refused OK";
    type("Fy", "355");
    click("okButton");
    EXPECT_EQ(session.model.materials[1].model, ModelSteel02);
    EXPECT_EQ(session.model.materials[1].parameters.Fy, 355.0);
    EXPECT_EQ(session.model.materials[1].parameters.b, 0.01);

    click("defaultsButton");
    EXPECT_EQ(session.model.materials[2].model, ModelConcrete02);
    EXPECT_EQ(session.model.materials[3].model, ModelConcrete02);
    EXPECT_EQ(session.model.materials[1].parameters.Fy, 355.0) << "STEEL has no FY=: it keeps what it had";
    EXPECT_THAT(window.findChild<QLabel*>(QStringLiteral("notes"))->text().toStdString(),
                ::testing::HasSubstr("STEEL) keeps its model: the model file gives no yield stress"));

    type("newName", "CONFINED");
    click("addButton");
    ASSERT_EQ(session.model.materialCount, 4);
    EXPECT_EQ(materials()->currentRow(), 3);
    EXPECT_FALSE(edit("e")->isReadOnly());
    type("e", "32000");
    type("nu", "0.2");
    click("okButton");
    EXPECT_EQ(session.model.materials[4].e, 32000.0);
    EXPECT_TRUE(session.model.materials[4].added);
    click("removeButton");
    EXPECT_EQ(session.model.materialCount, 3);
    click("removeButton"); // LIGHTC comes from the file
    EXPECT_EQ(errors.messages().back(), "Material LIGHTC comes from the model file and cannot be removed");
}

} // namespace
} // namespace kelvane
