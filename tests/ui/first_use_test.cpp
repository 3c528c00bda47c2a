// What a new user expects of a desktop program: shortcuts, Exit, the models opened last, dialogs that
// open where the last file was, and windows that fit a 1366 x 768 screen.
#include "app/app_settings.h"
#include "app/file_dialogs.h"
#include "app/window_fit.h"
#include "script/ui/analysis_setting_window.h"
#include "script/ui/script_window.h"
#include "ui/main_window_fixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTest>
#include <filesystem>

namespace kelvane {
namespace {

class FirstUseTest : public test::MainWindowFixture {
  protected:
    QAction* entry(const QString& menu, const QString& caption) const {
        for (QAction* menuAction : window->menuBar()->actions())
            if (menuAction->text() == menu)
                for (QAction* action : menuAction->menu()->actions())
                    if (action->text() == caption)
                        return action;
        return nullptr;
    }
    QMenu* recentMenu() const { return window->findChild<QMenu*>(QStringLiteral("recentModels")); }
    QStringList recentEntries() const {
        QStringList entries;
        for (QAction* action : recentMenu()->actions())
            entries << action->text();
        return entries;
    }
};

TEST_F(FirstUseTest, MainEntriesHaveTheirShortcuts) {
    const std::pair<const char*, const char*> rows[] = {
        {"File/Import Sap2000 txt file", "Ctrl+O"},
        {"File/Exit", "Ctrl+Q"},
        {"Gen_tcl/Run OpenSEES", "F5"},
        {"Help/Kelvane Tutorial", "F1"},
    };
    for (const auto& [path, keys] : rows) {
        const QString where = QString::fromLatin1(path);
        QAction* action = entry(where.section('/', 0, 0), where.section('/', 1));
        ASSERT_NE(action, nullptr) << path;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(keys))) << path;
    }
    auto* generate = window->findChild<QAction*>(QStringLiteral("generateShortcut"));
    ASSERT_NE(generate, nullptr);
    EXPECT_EQ(generate->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
}

// Ctrl+G in the main window shows the script window with the script of the model shown.
TEST_F(FirstUseTest, CtrlGGeneratesTheScript) {
    importModelText(test::kPortalFrameS2k);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
    auto* script = toolWindow<ScriptWindow>();
    ASSERT_TRUE(script->isVisible());
    const QString text = script->findChild<QPlainTextEdit*>(QStringLiteral("scriptText"))->toPlainText();
    EXPECT_TRUE(text.contains("node 4 ")) << text.left(400).toStdString();
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
}

TEST_F(FirstUseTest, ExitClosesTheProgram) {
    ASSERT_TRUE(window->isVisible());
    entry("File", "Exit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FirstUseTest, TheModelsOpenedLastAreListedLatestFirstAndKept) {
    appSettings().remove(QStringLiteral("recentModels"));
    window = std::make_unique<MainWindow>(session);
    EXPECT_FALSE(recentMenu()->isEnabled());
    importModelText(test::kPortalFrameS2k, "first.s2k");
    importModelText(test::kPortalFrameTables, "second.$2k");
    importModelText(test::kBadCoordinateS2k, "bad.s2k"); // a failed import is not listed
    importModelText(test::kPortalFrameS2k, "first.s2k");
    const QString first = QString::fromStdString(temp.file("first.s2k"));
    const QString second = QString::fromStdString(temp.file("second.$2k"));
    EXPECT_EQ(recentEntries(), QStringList({"1 " + first, "2 " + second}));
    EXPECT_TRUE(recentMenu()->isEnabled());

    // The next session lists them too, and an entry opens its model.
    window = std::make_unique<MainWindow>(session);
    EXPECT_EQ(recentEntries(), QStringList({"1 " + first, "2 " + second}));
    recentMenu()->actions()[1]->trigger();
    EXPECT_EQ(session.model.nodes[2].label, "A2");
    EXPECT_EQ(recentEntries(), QStringList({"1 " + second, "2 " + first}));
}

// A name given relative to the folder of one start is kept absolute, so it opens from any other.
TEST(RecentModels, AModelIsListedOnceAbsoluteAndOnlyTheLastEightStay) {
    const auto absolute = [](const char* name) {
        return QDir::current().absoluteFilePath(QString::fromLatin1(name));
    };
    QStringList recent;
    for (int i = 1; i <= 10; ++i)
        recent = withRecentModel(recent, QStringLiteral("m%1.s2k").arg(i));
    EXPECT_EQ(recent.size(), kRecentModelCount);
    EXPECT_EQ(recent.front(), absolute("m10.s2k"));
    EXPECT_EQ(recent.back(), absolute("m3.s2k"));
    recent = withRecentModel(recent, QStringLiteral("m5.s2k"));
    recent = withRecentModel(recent, absolute("m5.s2k"));
    EXPECT_EQ(recent.mid(0, 3), QStringList({absolute("m5.s2k"), absolute("m10.s2k"), absolute("m9.s2k")}));
    EXPECT_EQ(recent.count(absolute("m5.s2k")), 1);
}

// Each file dialog opens in the folder it was last answered in, in this session and the next.
TEST(DialogFolders, EachFilterRemembersItsOwnFolder) {
    test::ensureApplication();
    const QString runSettings = appSettings().fileName();
    test::TempDir folder;
    std::filesystem::create_directories(folder.path() / "models");
    std::filesystem::create_directories(folder.path() / "scripts");
    const QString models = QString::fromStdString((folder.path() / "models").string());
    const QString scripts = QString::fromStdString((folder.path() / "scripts").string());
    const QString settingsFile = QString::fromStdString(folder.file("settings.ini"));
    setAppSettingsFile(settingsFile);
    EXPECT_EQ(lastDialogFolder(QStringLiteral("s2k file (*.s2k *.$2k)")), "");
    rememberDialogFolder(QStringLiteral("s2k file (*.s2k *.$2k)"), models + "/frame.s2k");
    rememberDialogFolder(QStringLiteral("OpenSEES tcl(*.tcl)"), scripts + "/frame.tcl");
    rememberDialogFolder(QString(), scripts + "/node0.out");
    appSettings().sync();

    setAppSettingsFile(settingsFile); // the next session
    EXPECT_EQ(lastDialogFolder(QStringLiteral("s2k file (*.s2k *.$2k)")), models);
    EXPECT_EQ(lastDialogFolder(QStringLiteral("OpenSEES tcl(*.tcl)")), scripts);
    EXPECT_EQ(lastDialogFolder(QString()), scripts);
    EXPECT_EQ(lastDialogFolder(QStringLiteral("tcl file (*.tcl)")), "");
    std::filesystem::remove_all(folder.path() / "models");
    EXPECT_EQ(lastDialogFolder(QStringLiteral("s2k file (*.s2k *.$2k)")), "") << "a folder that is gone";
    setAppSettingsFile(runSettings);
}

TEST(WindowFit, AWindowAndItsFrameStayInsideTheAvailableArea) {
    const QSize allowance = kWindowFrameAllowance;
    EXPECT_EQ(sizeWithin(QSize(1089, 873), QRect(0, 0, 1920, 1040)), QSize(1089, 873));
    EXPECT_EQ(sizeWithin(QSize(1089, 873), QRect(0, 0, 1366, 728)), QSize(1089, 728 - allowance.height()));
    EXPECT_EQ(sizeWithin(QSize(1089, 873), QRect(0, 0, 1024, 600)),
              QSize(1024 - allowance.width(), 600 - allowance.height()));
}

// On a 1366 x 768 screen with a task bar of 40 pixels, every window fits with its frame.
TEST_F(FirstUseTest, EveryWindowFitsASmallScreen) {
    const QSize room = QSize(1366, 768 - 40) - kWindowFrameAllowance;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            continue;
        const QSize least = child->minimumSizeHint().expandedTo(child->minimumSize());
        EXPECT_LE(least.width(), room.width()) << child->windowTitle().toStdString();
        EXPECT_LE(least.height(), room.height()) << child->windowTitle().toStdString();
    }
    // The tallest window opens within the screen, its OK button in view below the part that scrolls.
    button("toolButton19")->click();
    auto* analysis = toolWindow<AnalysisSettingWindow>();
    const QRect available = analysis->screen()->availableGeometry();
    EXPECT_LE(analysis->height() + kWindowFrameAllowance.height(), available.height());
    auto* scroll = analysis->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->isAncestorOf(analysis->findChild<QPushButton*>(QStringLiteral("okButton"))));
    // It takes the height the screen has rather than the few lines a scroll area starts with.
    EXPECT_GT(analysis->height(), 600);
}

} // namespace
} // namespace kelvane
