// "Transfer SAP2000 V14 s2k File to SAP2000 Version 6": open and convert, report, save as CR LF text.
#include "model/ui/v14_transfer_window.h"
#include "ui/main_window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

namespace kelvane {
namespace {

class V14TransferWindowTest : public test::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (QAction* menu : window->menuBar()->actions())
            for (QAction* entry : menu->menu()->actions())
                if (entry->text() == "Sap2000V14 to Sap2000 v6 (s2k)")
                    entry->trigger();
        transfer = toolWindow<V14TransferWindow>();
        ASSERT_TRUE(transfer->isVisible());
    }
    void press(const char* name) const {
        transfer->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    QString report() const { return transfer->findChild<QPlainTextEdit*>("report")->toPlainText(); }

    V14TransferWindow* transfer = nullptr;
};

TEST_F(V14TransferWindowTest, ShowsWhatItIsFor) {
    QStringList labels;
    for (QLabel* label : transfer->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_EQ(labels, QStringList({"Transfer 3D Solid model built in SAP2000 V14",
                                   "into the SAP2000 version-6 s2k format, which Kelvane imports"}));
}

TEST_F(V14TransferWindowTest, OpenConvertsAndReportsThenSaveWritesTheConvertedText) {
    dialogs.answer(QString::fromStdString(test::dataPath("v14/two_bricks.s2k")));
    press("openS2kButton");
    ASSERT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    const QStringList reportLines = report().split('\n');
    ASSERT_GE(reportLines.size(), 4);
    EXPECT_EQ(reportLines.mid(0, 4),
              QStringList({"Kelvane import Sap2000 V14 S2k file", "NJOINT = 12", "NSOLID = 2", "Finish!!"}));

    const std::string target = temp.file("converted.s2k");
    dialogs.answer(QString::fromStdString(target));
    press("saveS2kButton");
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
    EXPECT_EQ(dialogs.requests().last(), "save|s2k file (*.s2k)|s2k");
    EXPECT_EQ(test::readFile(target), test::readFile(test::goldenPath("v14/two_bricks.s2k")));
}

TEST_F(V14TransferWindowTest, AFailedConversionLeavesNothingToSave) {
    dialogs.answer(QString::fromStdString(test::dataPath("v14/two_bricks.s2k")));
    press("openS2kButton");
    const QString earlierReport = report();
    const std::string bad = temp.file("bad.s2k");
    test::writeFile(bad, "TABLE:  \"JOINT COORDINATES\"\n"
                         "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=oops   Y=0   Z=0\n\n");
    dialogs.answer(QString::fromStdString(bad));
    press("openS2kButton");
    ASSERT_EQ(errors.messages(), QStringList({"'oops' is not a valid floating point value"}));
    EXPECT_EQ(report(), earlierReport) << "the report is written only by a conversion that succeeds";

    const std::string target = temp.file("converted.s2k");
    test::writeFile(target, "earlier file\n");
    dialogs.answer(QString::fromStdString(target));
    const auto dialogsBefore = dialogs.requests().size();
    press("saveS2kButton");
    ASSERT_EQ(errors.messages().size(), 2);
    EXPECT_TRUE(errors.messages()[1].startsWith("There is no converted text to save"));
    EXPECT_EQ(dialogs.requests().size(), dialogsBefore);
    EXPECT_EQ(test::readFile(target), "earlier file\n");
}

TEST_F(V14TransferWindowTest, CancelledOpenKeepsTheLastConversion) {
    dialogs.answer(QString::fromStdString(test::dataPath("v14/two_bricks.s2k")));
    press("openS2kButton");
    dialogs.cancel();
    press("openS2kButton");
    EXPECT_TRUE(report().startsWith("Kelvane import Sap2000 V14 S2k file"));
    const std::string target = temp.file("kept.s2k");
    dialogs.answer(QString::fromStdString(target));
    press("saveS2kButton");
    EXPECT_TRUE(std::filesystem::exists(target));
}

} // namespace
} // namespace kelvane
