// The main window's frame: caption, start-up state, toolbar, menus, status bar, tool windows, help.
#include "app/drawing_surface.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/session.h"
#include "app/window_fit.h"
#include "ui/main_window_fixture.h"
#include "ui/ui_test_support.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace kelvane {
namespace {

class MainWindowTest : public test::MainWindowFixture {
  protected:
    // The visible top-level windows the main window owns.
    QStringList visibleToolWindows() const {
        QStringList captions;
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isWindow() && child->isVisible())
                captions << child->windowTitle();
        return captions;
    }
};

TEST_F(MainWindowTest, StartsWithItsCaptionSizeAndEveryDefault) {
    Session used;
    used.view.Scale = 1;
    used.view.PlanAngle = 40;
    used.viewOptions.node = false;
    used.results.ColourRangeMax = 7;
    used.results.DeformationScale = 3;
    used.selectedFrame = 3;
    used.interaction.mode = ModeSelectElement;
    used.analysis.loadSteps = 5;
    used.recorders.elementForce = true;
    used.model.s2kLines = {"JOINT"};
    MainWindow fresh(used);

    EXPECT_EQ(fresh.windowTitle(), QStringLiteral("Kelvane " KELVANE_VERSION));
    // 1089 x 873, or less on a screen too small for it.
    EXPECT_EQ(fresh.size(), sizeWithin(QSize(1089, 873), fresh.screen()->availableGeometry()));
    EXPECT_EQ(used.view.Scale, 5.0);
    EXPECT_EQ(used.view.PlanAngle, 0.0);
    EXPECT_TRUE(used.viewOptions.node);
    EXPECT_FALSE(used.viewOptions.nodeLabels);
    EXPECT_TRUE(used.viewOptions.momentRelease);
    EXPECT_EQ(used.results.ColourRangeMax, 1.0e-4);
    EXPECT_EQ(used.results.ColourRangeMin, -1.0e-4);
    EXPECT_EQ(used.results.DeformationScale, 0.0);
    EXPECT_EQ(used.selectedFrame, 0);
    EXPECT_EQ(used.interaction.mode, ModeNone);
    EXPECT_EQ(used.analysis.loadSteps, 100);
    EXPECT_TRUE(used.recorders.nodeDisplacement);
    EXPECT_FALSE(used.recorders.elementForce);
    EXPECT_TRUE(used.model.s2kLines.empty());
    EXPECT_EQ(used.loadDisplay.loadCase, 0);
    EXPECT_EQ(used.colours[6], 0xFF00FF);

    QTimer* timer = fresh.animationTimer();
    EXPECT_EQ(timer->interval(), 1);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(MainWindowTest, FirstShowingRefreshesAndLaterShowingsDoNot) {
    Session used;
    MainWindow fresh(used);
    used.loadDisplay.loadCase = 3;
    fresh.show();
    EXPECT_EQ(used.loadDisplay.loadCase, 0);
    // The first picture is there at once: the title block on a white surface with a black border.
    const QImage& picture = fresh.drawingSurface()->image();
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::white));

    fresh.hide();
    used.loadDisplay.loadCase = 3;
    fresh.show();
    EXPECT_EQ(used.loadDisplay.loadCase, 3);
}

TEST_F(MainWindowTest, StatusBarHasSeventeenPanelsWithFixedLabels) {
    const QStringList expected = {"Operation", "",    "Node", "",     "Frame", "",     "Shell", "", "Solid",
                                  "",          "Mat", "",     "Fsec", "",      "Wsec", "",      ""};
    for (int panel = 0; panel < 17; ++panel) {
        EXPECT_EQ(window->statusPanelText(panel), expected[panel]) << "panel " << panel;
        auto* label = window->findChild<QWidget*>(QStringLiteral("statusPanel%1").arg(panel));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->width(), panel == 0 ? 80 : 50) << "panel " << panel;
    }
}

TEST_F(MainWindowTest, ToolbarButtonsStandInTheirGroupsWithoutCaptionsButWithTooltips) {
    auto* bar = window->findChild<QToolBar*>(QStringLiteral("toolBar"));
    ASSERT_NE(bar, nullptr);
    QStringList order;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) {
            order << "|";
            continue;
        }
        QWidget* widget = bar->widgetForAction(action);
        ASSERT_NE(widget, nullptr);
        order << widget->objectName();
        auto* tool = qobject_cast<QToolButton*>(widget);
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->size(), QSize(27, 26));
        EXPECT_FALSE(tool->icon().isNull());
        EXPECT_TRUE(tool->text().isEmpty());
        EXPECT_FALSE(tool->toolTip().isEmpty()) << widget->objectName().toStdString();
    }
    const QStringList expected = {"toolButton1",
                                  "|",
                                  "toolButton5",
                                  "toolButton6",
                                  "|",
                                  "toolButton10",
                                  "toolButton11",
                                  "toolButton12",
                                  "toolButton13",
                                  "toolButton4",
                                  "toolButton3",
                                  "toolButton2",
                                  "|",
                                  "toolButton16",
                                  "toolButton9",
                                  "toolButton17",
                                  "toolButton30",
                                  "|",
                                  "toolButton19",
                                  "toolButton24",
                                  "toolButton8",
                                  "|",
                                  "toolButton26",
                                  "toolButton27",
                                  "toolButton25",
                                  "toolButton20"};
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, MenusListTheirEntriesAndSeparatorsInOrder) {
    QStringList menus;
    for (QAction* menuAction : window->menuBar()->actions()) {
        QStringList entries;
        for (QAction* entry : menuAction->menu()->actions())
            entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        menus << menuAction->text() + ": " + entries.join(", ");
    }
    const QStringList expected = {
        "File: Import Sap2000 txt file, -, Open Project, Save Project, -, Sap2000V14 to Sap2000 v6 (s2k), -, "
        "Save Picture, -, Recent Models, -, Exit",
        "View: Pan, Zoom All, Rotate View, Refresh, -, XY View, XZ View, YZ View, -, View Option, Show Load",
        "Define: Frame Section, Material, -, Recorder Setting, Analysis Case",
        "Gen_tcl: OpenSEES tcl File, -, Run OpenSEES",
        "Post: Deformation, Force, -, Animation, Curves, Batch, Performance, -, Save Report",
        "Help: Kelvane Tutorial, -, About"};
    EXPECT_EQ(menus, expected);
}

QAction* menuEntry(MainWindow& window, const QString& menu, const QString& entry) {
    for (QAction* menuAction : window.menuBar()->actions())
        if (menuAction->text() == menu)
            for (QAction* action : menuAction->menu()->actions())
                if (action->text() == entry)
                    return action;
    return nullptr;
}

TEST_F(MainWindowTest, EachMenuEntryClicksTheButtonOfItsRow) {
    const std::pair<const char*, const char*> rows[] = {
        {"File/Import Sap2000 txt file", "toolButton1"},
        {"Define/Frame Section", "toolButton5"},
        {"Define/Material", "toolButton6"},
        {"View/XY View", "toolButton10"},
        {"View/XZ View", "toolButton11"},
        {"View/YZ View", "toolButton12"},
        {"View/Zoom All", "toolButton13"},
        {"View/Rotate View", "toolButton4"},
        {"View/Pan", "toolButton3"},
        {"View/Refresh", "toolButton2"},
        {"View/Show Load", "toolButton16"},
        {"View/View Option", "toolButton9"},
        {"Define/Analysis Case", "toolButton19"},
        {"Define/Recorder Setting", "toolButton24"},
        {"Gen_tcl/OpenSEES tcl File", "toolButton8"},
        {"Gen_tcl/Run OpenSEES", "toolButton26"},
        {"Post/Deformation", "toolButton25"},
        {"Post/Animation", "toolButton20"},
    };
    for (const auto& row : rows) {
        const QString path = QString::fromLatin1(row.first);
        QAction* entry = menuEntry(*window, path.section('/', 0, 0), path.section('/', 1));
        ASSERT_NE(entry, nullptr) << path.toStdString();
        QSignalSpy clicks(button(row.second), &QToolButton::clicked);
        entry->trigger();
        EXPECT_EQ(clicks.count(), 1) << path.toStdString();
        EXPECT_EQ(button(row.second)->toolTip(), entry->text()) << "the button's tooltip is its entry's text";
    }
    // The two dialogs (import, run) were cancelled; nothing failed.
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join('\n').toStdString();
}

TEST_F(MainWindowTest, ToolWindowsAreCreatedOnceInOrderAndOnlyShownOnRequest) {
    const auto created = [this] {
        QStringList captions;
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isWindow() && !child->windowTitle().isEmpty())
                captions << child->windowTitle();
        return captions;
    };
    const QStringList expected = {"Frame Section (Nonlinear)",
                                  "Material Data",
                                  "View Option",
                                  "Show Load",
                                  "OpenSEES Tcl File",
                                  "Analysis Setting",
                                  "Recorder Setting",
                                  "Frame Properties",
                                  "Deformation Shape",
                                  "Transfer SAP2000 V14 s2k File to SAP2000 Version 6",
                                  "Animation",
                                  "Member Force",
                                  "Import Report",
                                  "OpenSEES Run",
                                  "Curves",
                                  "Kelvane Help",
                                  "Batch",
                                  "Performance"};
    EXPECT_EQ(created(), expected);
    EXPECT_TRUE(visibleToolWindows().isEmpty());

    button("toolButton9")->click();
    button("toolButton9")->click();
    menuEntry(*window, "File", "Sap2000V14 to Sap2000 v6 (s2k)")->trigger();
    EXPECT_EQ(visibleToolWindows(),
              QStringList({"View Option", "Transfer SAP2000 V14 s2k File to SAP2000 Version 6"}));
    EXPECT_EQ(created(), expected); // shown again, never created anew
}

TEST_F(MainWindowTest, ForceShowsTheMemberForceWindowAndReadsNothingYet) {
    menuEntry(*window, "Post", "Force")->trigger();
    EXPECT_EQ(visibleToolWindows(), QStringList({"Member Force"}));
    EXPECT_TRUE(errors.messages().isEmpty());
    EXPECT_TRUE(dialogs.requests().isEmpty());
    EXPECT_EQ(session.results.forces.component, ForceNone);
}

class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// Help works without a web browser: the pages open in the program's own help window.
TEST_F(MainWindowTest, HelpEntriesShowTheBundledPagesInTheHelpWindow) {
    UrlRecorder browser;
    for (const char* scheme : {"file", "http", "https", "qrc"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &browser, "open");
    menuEntry(*window, "Help", "Kelvane Tutorial")->trigger();
    auto* help = toolWindow<HelpWindow>();
    ASSERT_TRUE(help->isVisible());
    QTextBrowser* text = help->browser();
    EXPECT_EQ(help->windowTitle(), "Kelvane Tutorial");
    EXPECT_TRUE(text->toPlainText().contains("1. Import a model"));

    // The tutorial's link to the page on result pictures is followed in the window, and Back returns.
    ASSERT_TRUE(text->find(QStringLiteral("Result pictures and member forces")));
    QTextCursor onLink = text->textCursor();
    onLink.setPosition(onLink.selectionStart() + 3);
    text->setTextCursor(onLink);
    text->ensureCursorVisible();
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, text->cursorRect().center());
    EXPECT_TRUE(text->toPlainText().contains("minus local 3")) << text->source().toString().toStdString();
    help->findChild<QPushButton*>("backButton")->click();
    EXPECT_EQ(help->windowTitle(), "Kelvane Tutorial");

    menuEntry(*window, "Help", "About")->trigger();
    EXPECT_EQ(help->windowTitle(), "About Kelvane");
    EXPECT_TRUE(text->toPlainText().contains("Kelvane version " KELVANE_VERSION))
        << text->toPlainText().toStdString();
    EXPECT_TRUE(text->toPlainText().contains("OpenSees")) << text->toPlainText().toStdString();
    for (const char* scheme : {"file", "http", "https", "qrc"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    EXPECT_TRUE(browser.urls.isEmpty()) << "no web browser was asked";
    EXPECT_TRUE(errors.messages().isEmpty());
}

} // namespace
} // namespace kelvane

#include "main_window_test.moc"
