// The toolbar and the main menu of the main window, as tables: one row, one command.
#include "app/app_settings.h"
#include "app/main_window.h"
#include "app/toolbar_icons.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <vector>

namespace kelvane {

namespace {

struct ToolRow {
    const char* name; // nullptr marks the gap between two button groups
    ToolIcon icon;
    // The button's tooltip when no menu entry names it; the others show their entry's text.
    const char* tip = nullptr;
};

struct MenuRow {
    const char* caption;            // "-" is a separator
    const char* toolButton;         // the button whose click the entry triggers, or nullptr
    const char* shortcut = nullptr; // in QKeySequence's portable form
};

constexpr const char* kRecentModels = "Recent Models";

struct MenuColumn {
    const char* title;
    std::vector<MenuRow> rows;
};

constexpr ToolRow kSeparator{nullptr, ToolIcon::Import};

} // namespace

void MainWindow::buildToolBar() {
    struct Row {
        ToolRow tool;
        Command command;
    };
    const Row rows[] = {
        {{"toolButton1", ToolIcon::Import}, &MainWindow::importS2kCommand},
        {kSeparator, nullptr},
        {{"toolButton5", ToolIcon::FrameSection}, &MainWindow::showFrameSection},
        {{"toolButton6", ToolIcon::Material}, &MainWindow::showMaterial},
        {kSeparator, nullptr},
        {{"toolButton10", ToolIcon::ViewXY}, &MainWindow::viewXY},
        {{"toolButton11", ToolIcon::ViewXZ}, &MainWindow::viewXZ},
        {{"toolButton12", ToolIcon::ViewYZ}, &MainWindow::viewYZ},
        {{"toolButton13", ToolIcon::ZoomAll}, &MainWindow::zoomAllCommand},
        {{"toolButton4", ToolIcon::Rotate}, &MainWindow::rotateView},
        {{"toolButton3", ToolIcon::Pan}, &MainWindow::pan},
        {{"toolButton2", ToolIcon::Refresh}, &MainWindow::refresh},
        {kSeparator, nullptr},
        {{"toolButton16", ToolIcon::ShowLoad}, &MainWindow::showShowLoad},
        {{"toolButton9", ToolIcon::ViewOption}, &MainWindow::showViewOption},
        {{"toolButton17", ToolIcon::Select, "Select Frame"}, &MainWindow::selectElement},
        {{"toolButton30", ToolIcon::Idle, "Idle: clicks on the drawing do nothing"}, &MainWindow::idle},
        {kSeparator, nullptr},
        {{"toolButton19", ToolIcon::AnalysisCase}, &MainWindow::showAnalysisCase},
        {{"toolButton24", ToolIcon::RecorderSetting}, &MainWindow::showRecorderSetting},
        {{"toolButton8", ToolIcon::TclFile}, &MainWindow::showTclFile},
        {kSeparator, nullptr},
        {{"toolButton26", ToolIcon::RunSolver}, &MainWindow::runOpenSees},
        {{"toolButton27", ToolIcon::ClearResults, "Clear Results"}, &MainWindow::clearResultsCommand},
        {{"toolButton25", ToolIcon::Deformation}, &MainWindow::showDeformation},
        {{"toolButton20", ToolIcon::Animation}, &MainWindow::showAnimation},
    };

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->toggleViewAction()->setEnabled(false);
    for (const Row& row : rows) {
        if (row.tool.name == nullptr) {
            bar->addSeparator();
            continue;
        }
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(row.tool.name));
        button->setIcon(toolbarIcon(row.tool.icon));
        button->setIconSize(QSize(20, 20));
        button->setFixedSize(27, 26);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (row.tool.tip != nullptr)
            button->setToolTip(QString::fromLatin1(row.tool.tip));
        connect(button, &QToolButton::clicked, this, row.command);
        bar->addWidget(button);
    }
    addToolBar(Qt::TopToolBarArea, bar);
}

void MainWindow::buildMenus() {
    const MenuColumn columns[] = {
        {"File",
         {{"Import Sap2000 txt file", "toolButton1", "Ctrl+O"},
          {"-", nullptr},
          {"Open Project", nullptr},
          {"Save Project", nullptr},
          {"-", nullptr},
          {"Sap2000V14 to Sap2000 v6 (s2k)", nullptr},
          {"-", nullptr},
          {"Save Picture", nullptr},
          {"-", nullptr},
          {kRecentModels, nullptr},
          {"-", nullptr},
          {"Exit", nullptr, "Ctrl+Q"}}},
        {"View",
         {{"Pan", "toolButton3"},
          {"Zoom All", "toolButton13"},
          {"Rotate View", "toolButton4"},
          {"Refresh", "toolButton2"},
          {"-", nullptr},
          {"XY View", "toolButton10"},
          {"XZ View", "toolButton11"},
          {"YZ View", "toolButton12"},
          {"-", nullptr},
          {"View Option", "toolButton9"},
          {"Show Load", "toolButton16"}}},
        {"Define",
         {{"Frame Section", "toolButton5"},
          {"Material", "toolButton6"},
          {"-", nullptr},
          {"Recorder Setting", "toolButton24"},
          {"Analysis Case", "toolButton19"}}},
        {"Gen_tcl",
         {{"OpenSEES tcl File", "toolButton8"}, {"-", nullptr}, {"Run OpenSEES", "toolButton26", "F5"}}},
        {"Post",
         {{"Deformation", "toolButton25"},
          {"Force", nullptr},
          {"-", nullptr},
          {"Animation", "toolButton20"},
          {"Curves", nullptr},
          {"Batch", nullptr},
          {"Performance", nullptr},
          {"-", nullptr},
          {"Save Report", nullptr}}},
        {"Help", {{"Kelvane Tutorial", nullptr, "F1"}, {"-", nullptr}, {"About", nullptr}}},
    };
    // Entries without a toolbar button.
    struct MenuCommand {
        const char* caption;
        Command command;
    };
    const MenuCommand menuCommands[] = {
        {"Sap2000V14 to Sap2000 v6 (s2k)", &MainWindow::showV14Transfer},
        {"Open Project", &MainWindow::openProjectCommand},
        {"Save Project", &MainWindow::saveProjectCommand},
        {"Save Picture", &MainWindow::savePictureCommand},
        {"Force", &MainWindow::force},
        {"Kelvane Tutorial", &MainWindow::openTutorial},
        {"About", &MainWindow::openAbout},
        {"Curves", &MainWindow::showCurves},
        {"Exit", &MainWindow::exitCommand},
        {"Batch", &MainWindow::showBatch},
        {"Performance", &MainWindow::showPerformance},
        {"Save Report", &MainWindow::saveReportCommand},
    };

    for (const MenuColumn& column : columns) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(column.title));
        for (const MenuRow& row : column.rows) {
            const QString caption = QString::fromLatin1(row.caption);
            if (caption == QLatin1String("-")) {
                menu->addSeparator();
                continue;
            }
            if (caption == QLatin1String(kRecentModels)) {
                recentMenu_ = menu->addMenu(caption);
                recentMenu_->setObjectName(QStringLiteral("recentModels"));
                continue;
            }
            // No "&": the captions are shown exactly as written.
            QAction* action = menu->addAction(caption);
            if (row.shortcut != nullptr)
                action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            if (row.toolButton != nullptr) {
                QToolButton* button = toolButton(row.toolButton);
                button->setToolTip(caption);
                connect(action, &QAction::triggered, button, [button] { button->click(); });
                continue;
            }
            for (const MenuCommand& entry : menuCommands)
                if (caption == QLatin1String(entry.caption))
                    connect(action, &QAction::triggered, this, entry.command);
        }
    }
}

// Ctrl+G generates the script wherever the main window has the focus; the script window shows it.
void MainWindow::addGenerateShortcut() {
    auto* generate = new QAction(QStringLiteral("Generate"), this);
    generate->setObjectName(QStringLiteral("generateShortcut"));
    generate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(generate, &QAction::triggered, this, &MainWindow::generateScriptCommand);
    addAction(generate);
}

// One entry per model opened last, "1 /path/model.s2k" and so on; none greys the menu out.
void MainWindow::fillRecentModels() {
    recentMenu_->clear();
    const QStringList recent = recentModels();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* entry =
            recentMenu_->addAction(QStringLiteral("%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(entry, &QAction::triggered, this, [this, path] { importFile(path); });
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

QToolButton* MainWindow::toolButton(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

} // namespace kelvane
