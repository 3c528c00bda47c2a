#include "app/session.h"
#include "model/s2k_import.h"
#include "sections/section_settings_file.h"
#include "sections/ui/frame_section_window.h"
#include "support/test_support.h"
#include "ui/ui_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

constexpr int kBeam = 1, kGirder = 2, kPipe = 3, kLink = 4, kCircle = 5;

class FrameSectionWindowTest : public ::testing::Test {
  protected:
    FrameSectionWindowTest() {
        importS2kFile(session.model, session.colours, test::dataPath("sections/frame_sections.s2k"));
        pending.answer = PendingEdits::Discard;
        window.setColourChooser([this](QWidget*, const QColor& initial) {
            offeredColour = initial;
            return chosenColour;
        });
    }

    template <class Control> Control* find(const char* name) {
        auto* control = window.findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            ADD_FAILURE() << "no control " << name;
        return control;
    }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) { return find<QComboBox>(name); }

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
    void clickSection(int k) {
        auto* sections = find<QListWidget>("sectionList");
        QListWidgetItem* item = sections->item(k - 1);
        QTest::mouseClick(sections->viewport(), Qt::LeftButton, {}, sections->visualItemRect(item).center());
    }
    void press(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void clickSwatch() { QTest::mouseClick(find<QLabel>("frameColor"), Qt::LeftButton); }
    QImage preview() { return find<QLabel>("sectionPreview")->pixmap().toImage(); }
    TSECTION& section(int k) { return session.model.frameSections[static_cast<std::size_t>(k)]; }

    const bool applicationReady = (test::ensureApplication(), true);
    test::PendingEditsCapture pending;
    Session session;
    FrameSectionWindow window{session};
    QColor chosenColour;
    QColor offeredColour;
};

TEST_F(FrameSectionWindowTest, BeforeAnySectionIsShownTheListsReadTheirFirstItems) {
    EXPECT_EQ(window.windowTitle(), "Frame Section (Nonlinear)");
    EXPECT_EQ(list("elementType")->currentText(), "Elastic BeamColumn");
    EXPECT_EQ(list("sectionKind")->currentText(), "Beam Section");
    EXPECT_EQ(list("geomTransf")->currentText(), "Linear");
    EXPECT_EQ(edit("hingeLengthI")->text(), "1000");
    EXPECT_EQ(edit("hingeLengthJ")->text(), "1000");
    EXPECT_EQ(list("geomTransf")->itemText(2), "Corotational");
    EXPECT_EQ(find<QLabel>("sectionPreview")->size(), QSize(200, 200));
}

TEST_F(FrameSectionWindowTest, OpeningShowsTheFirstSectionWithItsOwnMaterial) {
    window.show();
    EXPECT_EQ(find<QListWidget>("sectionList")->count(), 5);
    EXPECT_EQ(find<QListWidget>("sectionList")->currentRow(), 0);
    EXPECT_EQ(list("name")->currentText(), "B300X500");
    EXPECT_FALSE(list("name")->isEnabled());
    EXPECT_EQ(list("material")->count(), 3);
    EXPECT_EQ(list("material")->currentText(), "LIGHTC");
    EXPECT_EQ(list("shape")->currentText(), QStringLiteral("Rectangular"));
    EXPECT_EQ(list("sectionKind")->currentText(), "Column Section");
    EXPECT_EQ(edit("t1")->text(), "500");
    EXPECT_EQ(edit("t2")->text(), "300");
    EXPECT_EQ(edit("t3")->text(), "0");
    EXPECT_TRUE(edit("t1")->isReadOnly());
    EXPECT_EQ(edit("divideFX")->text(), "5");
    EXPECT_EQ(edit("cover")->text(), "35");
    EXPECT_EQ(edit("topBar")->text(), "1000");
    EXPECT_EQ(edit("hingeLengthI")->text(), "500"); // t1, not the initial 1000
    EXPECT_EQ(edit("hingeLengthJ")->text(), "500");
    const QColor swatch = find<QLabel>("frameColor")->palette().color(QPalette::Window);
    EXPECT_EQ(swatch, QColor(QRgb(static_cast<unsigned>(section(kBeam).colour))));

    clickSection(kPipe);
    EXPECT_EQ(list("shape")->currentText(), QStringLiteral("Pipe"));
    EXPECT_EQ(edit("divideFX")->text(), "20");
    EXPECT_EQ(edit("t1")->text(), "200");
    EXPECT_EQ(edit("t2")->text(), "10");
    EXPECT_EQ(list("material")->currentText(), "STEEL");
}

TEST_F(FrameSectionWindowTest, PreviewShowsTheSelectedSection) {
    // Set the worked-example beam up and look at the pixels of its picture.
    TSECTION& beam = section(kBeam);
    beam.sectionKind = 1;
    beam.barNumNX = 3;
    beam.barNumNY = 2;
    window.show();
    const QImage picture = preview();
    EXPECT_EQ(picture.pixelColor(100, 31), QColor(Qt::red));   // a top bar
    EXPECT_EQ(picture.pixelColor(63, 169), QColor(Qt::blue));  // a bottom bar
    EXPECT_EQ(picture.pixelColor(71, 60), QColor(Qt::blue));   // a division line
    EXPECT_EQ(picture.pixelColor(52, 60), QColor(Qt::black));  // the outline
    EXPECT_EQ(picture.pixelColor(30, 100), QColor(Qt::white)); // beside the section

    clickSection(kCircle); // no dimensions to scale: a blank picture, no error
    const QImage blank = preview();
    for (int y = 1; y < 199; y += 7)
        for (int x = 1; x < 199; x += 7)
            ASSERT_EQ(blank.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

TEST_F(FrameSectionWindowTest, OkStoresEveryEditableControlInTheSelectedSection) {
    window.show();
    clickSection(kGirder);
    pick("elementType", 3);
    pick("sectionKind", 0);
    type("divideFX", "2");
    type("divideFY", "3");
    type("barNumNX", "4");
    type("barNumNY", "6");
    type("topBar", "1.5E+003");
    type("bottomBar", "800.25");
    type("cover", "40");
    type("hingeLengthI", "450");
    type("hingeLengthJ", "350");
    pick("geomTransf", 2);
    chosenColour = QColor(0x12, 0x34, 0x56);
    clickSwatch();
    EXPECT_EQ(offeredColour, QColor(QRgb(static_cast<unsigned>(section(kGirder).colour))));
    const TSECTION untouched = section(kBeam);
    test::ErrorCapture errors;
    press("okButton");

    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    const TSECTION& s = section(kGirder);
    EXPECT_EQ(s.elementType, BeamWithHinge);
    EXPECT_EQ(s.sectionKind, 1);
    EXPECT_EQ(s.divideFX, 2);
    EXPECT_EQ(s.divideFY, 3);
    EXPECT_EQ(s.barNumNX, 4);
    EXPECT_EQ(s.barNumNY, 6);
    EXPECT_EQ(s.topBar, 1500);
    EXPECT_EQ(s.bottomBar, 800.25);
    EXPECT_EQ(s.cover, 40);
    EXPECT_EQ(s.hingeLengthI, 450);
    EXPECT_EQ(s.hingeLengthJ, 350);
    EXPECT_EQ(s.geomTransf, 3);
    EXPECT_EQ(s.colour, 0x123456);
    EXPECT_EQ(section(kBeam).divideFX, untouched.divideFX);
    EXPECT_TRUE(window.isVisible()); // OK keeps the window open
}

TEST_F(FrameSectionWindowTest, SelectingAnotherSectionAsksAndDiscardsEditsOnlyWhenTold) {
    window.show();
    type("divideFX", "8");
    chosenColour = QColor(); // cancelled
    const std::int32_t colour = section(kBeam).colour;
    clickSwatch();
    pending.answer = PendingEdits::Cancel;
    clickSection(kGirder);
    ASSERT_EQ(pending.questions().size(), 1);
    EXPECT_EQ(find<QListWidget>("sectionList")->currentRow() + 1, kBeam);
    EXPECT_EQ(edit("divideFX")->text(), "8");
    pending.answer = PendingEdits::Discard;
    clickSection(kGirder);
    EXPECT_EQ(pending.questions().size(), 2);
    EXPECT_EQ(section(kBeam).divideFX, 5);
    clickSection(kBeam);
    EXPECT_EQ(edit("divideFX")->text(), "5");
    press("okButton");
    EXPECT_EQ(section(kBeam).colour, colour);
}

TEST_F(FrameSectionWindowTest, UnconvertibleCoverStopsOkAfterTheCountsAndBarAreas) {
    window.show();
    const TSECTION before = section(kBeam);
    const QImage pictureBefore = preview();
    pick("elementType", 1);
    pick("sectionKind", 0);
    type("divideFX", "4");
    type("divideFY", "3");
    type("barNumNX", "2");
    type("barNumNY", "2");
    type("topBar", "700");
    type("bottomBar", "600");
    type("cover", "abc");
    type("hingeLengthI", "1");
    pick("geomTransf", 1);
    chosenColour = QColor(Qt::green);
    clickSwatch();
    test::ErrorCapture errors;
    press("okButton");

    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages().front(), "Cover: 'abc' is not a valid floating point value");
    const TSECTION& s = section(kBeam);
    EXPECT_EQ(s.elementType, NonlinearBeamColumn);
    EXPECT_EQ(s.sectionKind, 1);
    EXPECT_EQ(s.divideFX, 4);
    EXPECT_EQ(s.divideFY, 3);
    EXPECT_EQ(s.barNumNX, 2);
    EXPECT_EQ(s.barNumNY, 2);
    EXPECT_EQ(s.topBar, 700);
    EXPECT_EQ(s.bottomBar, 600);
    EXPECT_EQ(s.cover, before.cover);
    EXPECT_EQ(s.hingeLengthI, before.hingeLengthI);
    EXPECT_EQ(s.colour, before.colour);
    EXPECT_EQ(s.geomTransf, before.geomTransf);
    EXPECT_EQ(preview(), pictureBefore);
}

// The mesh is checked when OK is pressed, not only when the script is generated: the section stays
// as it was, and so does its picture.
TEST_F(FrameSectionWindowTest, OkRefusesAnUnsoundMeshNamingItsBox) {
    window.show();
    pick("elementType", 1);
    const TSECTION before = section(kBeam);
    const QImage pictureBefore = preview();
    const struct {
        const char* box;
        const char* text;
        QString message;
    } rows[] = {
        {"divideFY", "0", "Divide FY: a fiber mesh needs 1 division or more, not 0"},
        {"barNumNX", "-1", "Bar Num NX: a bar count must be 0 or more, not -1"},
        {"cover", "150",
         "Cover: 150 is half the section's width or depth or more (300 wide, 500 deep): the bars "
         "would lie outside the concrete"},
        {"divideFX", "13",
         "Divide FX: the mesh of these divisions and bars needs 85 fibers; a fiber section "
         "holds at most 80"},
    };
    for (const auto& row : rows) {
        const QString kept = edit(row.box)->text();
        type(row.box, QString::fromLatin1(row.text));
        test::ErrorCapture errors;
        press("okButton");
        EXPECT_EQ(errors.messages(), QStringList{row.message}) << row.box;
        EXPECT_EQ(section(kBeam).elementType, before.elementType);
        EXPECT_EQ(section(kBeam).divideFX, before.divideFX);
        EXPECT_EQ(section(kBeam).cover, before.cover);
        EXPECT_EQ(preview(), pictureBefore);
        type(row.box, kept);
    }
    test::ErrorCapture errors;
    press("okButton");
    EXPECT_TRUE(errors.messages().isEmpty());
    EXPECT_EQ(section(kBeam).elementType, NonlinearBeamColumn);
}

// Item 0 of both lists leaves the section without a material of its own; item m is material m.
TEST_F(FrameSectionWindowTest, CoreAndRebarMaterialsAreChosenFromTheMaterials) {
    window.show();
    EXPECT_EQ(list("coreMaterial")->itemText(0), "None");
    EXPECT_EQ(list("coreMaterial")->count(), session.model.materialCount + 1);
    pick("coreMaterial", 2);
    pick("rebarMaterial", 1);
    press("okButton");
    EXPECT_EQ(session.model.frameSections[kBeam].coreMaterial, 2);
    EXPECT_EQ(session.model.frameSections[kBeam].rebarMaterial, 1);
    clickSection(kGirder);
    EXPECT_EQ(list("coreMaterial")->currentIndex(), 0);
    clickSection(kBeam);
    EXPECT_EQ(list("coreMaterial")->currentText().toStdString(), session.model.materials[2].name);
}

TEST_F(FrameSectionWindowTest, RigidLinkKeepsItsTypeWhenOkIsPressedWithoutChoosingOne) {
    ASSERT_EQ(section(kLink).elementType, RigidLink);
    window.show();
    clickSection(kLink);
    EXPECT_EQ(list("elementType")->currentIndex(), -1);
    type("cover", "20");
    press("okButton");
    EXPECT_EQ(section(kLink).elementType, RigidLink);
    EXPECT_EQ(section(kLink).cover, 20);

    pick("elementType", 4); // choosing a type does change it
    press("okButton");
    EXPECT_EQ(section(kLink).elementType, Truss);
}

TEST_F(FrameSectionWindowTest, OneBarRowIsReportedAfterTheControlsAreFilled) {
    section(kBeam).sectionKind = 1;
    section(kBeam).barNumNX = 1;
    test::ErrorCapture errors;
    window.show();
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages().front(), "Floating point division by zero");
    EXPECT_EQ(edit("barNumNX")->text(), "1");
    EXPECT_EQ(edit("hingeLengthJ")->text(), "500");
}

TEST_F(FrameSectionWindowTest, CloseHidesTheWindowAndRequestsARedraw) {
    window.show();
    QSignalSpy redraws(&window, &FrameSectionWindow::redrawRequested);
    press("closeButton");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(redraws.count(), 1);
}

TEST_F(FrameSectionWindowTest, ExportAndImportCarryTheSettingsThroughAFile) {
    test::TempDir folder;
    const QString path = QString::fromStdString(folder.file("frame settings.sec"));
    window.show();
    test::ScriptedFileDialogs dialogs;
    dialogs.answer(path);
    press("exportButton");
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_TRUE(dialogs.requests().front().startsWith("save|"));

    const TSECTION exported = section(kBeam);
    section(kBeam).divideFX = 9;
    section(kBeam).colour = 0x010203;
    QSignalSpy redraws(&window, &FrameSectionWindow::redrawRequested);
    dialogs.answer(path);
    press("importButton");
    EXPECT_EQ(section(kBeam).divideFX, exported.divideFX);
    EXPECT_EQ(section(kBeam).colour, exported.colour);
    EXPECT_EQ(edit("divideFX")->text(), "5"); // the shown section is refreshed
    EXPECT_EQ(redraws.count(), 1);

    // A file naming a section the model lacks is refused as a whole.
    test::writeFile(folder.file("other.sec"), std::string(kSectionSettingsHeader) +
                                                  "\r\n[B300X500]\r\n"
                                                  "elementType=3\r\n[NOSUCH]\r\n");
    test::ErrorCapture errors;
    dialogs.answer(QString::fromStdString(folder.file("other.sec")));
    press("importButton");
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages().front().contains("line 2: section 'B300X500' lacks"))
        << errors.messages().front().toStdString();
    EXPECT_EQ(section(kBeam).elementType, exported.elementType);

    dialogs.cancel();
    press("importButton"); // cancelling does nothing
    EXPECT_EQ(errors.messages().size(), 1);
}

} // namespace
} // namespace kelvane
