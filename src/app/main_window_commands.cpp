// The toolbar and menu commands of the main window, and the drawing surface's mouse handlers.
#include "app/app_settings.h"
#include "app/command_guard.h"
#include "app/drawing_surface.h"
#include "app/file_dialogs.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/session.h"
#include "app/status_panel_bar.h"
#include "app/widget_names.h"
#include "app/window_fit.h"
#include "assess/ui/performance_window.h"
#include "batch/ui/batch_window.h"
#include "common/error.h"
#include "model/model_import.h"
#include "model/ui/import_report_window.h"
#include "model/ui/v14_transfer_window.h"
#include "paint/model_render.h"
#include "paint/report_painter.h"
#include "report/save_report.h"
#include "results/result_display.h"
#include "results/ui/animation_window.h"
#include "results/ui/curves_window.h"
#include "results/ui/deformation_window.h"
#include "results/ui/force_window.h"
#include "script/settings_fit.h"
#include "script/ui/analysis_setting_window.h"
#include "script/ui/recorder_setting_window.h"
#include "script/ui/script_window.h"
#include "sections/ui/frame_section_window.h"
#include "sections/ui/material_window.h"
#include "solver/ui/run_panel.h"
#include "viewer/camera.h"
#include "viewer/scene.h"
#include "viewer/ui/frame_properties_window.h"
#include "viewer/ui/show_load_window.h"
#include "viewer/ui/view_option_window.h"
#include "viewer/view_options.h"

#include <QFile>

#include <filesystem>

namespace kelvane {

namespace {

void showToolWindow(QWidget* window) {
    if (!window->isVisible())
        fitWithinScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

MouseButton mouseButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

} // namespace

void MainWindow::importFile(const QString& path) {
    guarded([&] {
        const std::string file = QFile::encodeName(path).toStdString();
        ImportedModel imported = importModelFile(file, session_.colours);
        adoptImportedModel(imported, file);
    });
}

// The new model replaces the session's only once its import has succeeded. The results read for
// the earlier model are gone with its joints and frames, and so are their captions and the force
// diagram.
void MainWindow::adoptImportedModel(ImportedModel& imported, const std::string& path) {
    session_.model = std::move(imported.store);
    const std::vector<std::string> resetSettings = fitSettingsToModel(session_.model, session_.analysis);
    if (!path.empty()) {
        session_.modelPath = path;
        rememberRecentModel(QFile::decodeName(QByteArray::fromStdString(path)));
        fillRecentModels();
    }
    forgetReplacedModel();
    clearResults(session_.model, session_.results);
    showModelCounts();
    if (imported.hasReport()) {
        importReportWindow_->setReport(tables::reportLines(imported.report));
        showToolWindow(importReportWindow_);
    } else {
        importReportWindow_->setReport({});
        importReportWindow_->hide();
    }
    drawModel();
    zoomAll();
    if (!resetSettings.empty()) {
        QStringList lines{
            QStringLiteral("Settings of the previous model that do not fit this one were reset:")};
        for (const std::string& line : resetSettings)
            lines << fromBytes(line);
        presentNotice(this, lines.join(QLatin1Char('\n')));
    }
}

void MainWindow::forgetReplacedModel() {
    session_.selectedFrame = 0;
    framePropertiesWindow_->showFrame(0);
    scriptWindow_->modelReplaced();
}

// Cancelling the dialog re-imports the lines loaded last time.
void MainWindow::importS2kCommand() {
    guarded([this] {
        const QString path = fileDialogs().openFileName(this, QStringLiteral("s2k file (*.s2k *.$2k *.e2k)"),
                                                        QStringLiteral("s2k"));
        const std::string file = QFile::encodeName(path).toStdString();
        ImportedModel imported = file.empty() ? reimportModelLines(session_.model.s2kLines, session_.colours)
                                              : importModelFile(file, session_.colours);
        adoptImportedModel(imported, file);
    });
}

// The drawing surface at its size: PNG as it shows now, SVG as one full redraw of what it shows.
void MainWindow::savePictureCommand() {
    guarded([this] {
        const QString path = fileDialogs().saveFileName(
            this, QStringLiteral("PNG picture (*.png);;SVG picture (*.svg)"), QStringLiteral("png"));
        if (path.isEmpty())
            return;
        const std::string name = QFile::encodeName(path).toStdString();
        if (pictureFormatOf(name) == PictureFormat::Png) {
            savePng(surface_->image(), name);
            return;
        }
        const Scene scene{session_.model,   session_.view,    session_.viewOptions,  session_.loadDisplay,
                          session_.results, session_.colours, session_.selectedFrame};
        savePicture(scene, surface_->canvas().width(), surface_->canvas().height(), name);
    });
}

// The report of the run last made: the model file's summary, the settings and sections of the
// model shown, and the results in the run's folder.
void MainWindow::saveReportCommand() {
    guarded([this] {
        if (session_.modelPath.empty())
            fail("Import a model first: the report describes a model and its run");
        if (session_.lastRunFolder.empty())
            fail("Run OpenSees first: the report reads the recorder files of the run");
        const QString path =
            fileDialogs().saveFileName(this, QStringLiteral("HTML report (*.html)"), QStringLiteral("html"));
        if (path.isEmpty())
            return;
        const ImportedModel imported = importModelFile(session_.modelPath, session_.colours);
        ModelStore store = session_.model; // the report's pictures leave the window's drawing alone
        ReportRequest request;
        request.modelName = std::filesystem::path(session_.modelPath).filename().string();
        request.resultsFolder = session_.lastRunFolder;
        QtReportPainter painter(session_.colours, 900, 600);
        saveReport(QFile::encodeName(path).toStdString(), imported, store, session_.analysis,
                   session_.recorders, request, painter);
    });
}

void MainWindow::showFrameSection() {
    showToolWindow(frameSectionWindow_);
}
void MainWindow::showMaterial() {
    showToolWindow(materialWindow_);
}

void MainWindow::standardView(StandardView setView) {
    guarded([&] {
        setView(session_.view, session_.model, surface_->canvas().width(), surface_->canvas().height(),
                [this] { drawModel(); });
    });
}

void MainWindow::viewXY() {
    standardView(&ViewXY);
}
void MainWindow::viewXZ() {
    standardView(&ViewXZ);
}
void MainWindow::viewYZ() {
    standardView(&ViewYZ);
}

void MainWindow::zoomAllCommand() {
    guarded([this] { zoomAll(); });
}

void MainWindow::rotateView() {
    perform(beginRotate(session_.interaction));
}
void MainWindow::pan() {
    perform(beginPan(session_.interaction));
}
void MainWindow::selectElement() {
    perform(beginSelect(session_.interaction));
}
void MainWindow::idle() {
    perform(beginIdle(session_.interaction));
}

void MainWindow::refresh() {
    guarded([this] {
        hideLoads(session_.loadDisplay);
        drawModel();
    });
}

void MainWindow::showShowLoad() {
    showToolWindow(showLoadWindow_);
}
void MainWindow::showViewOption() {
    showToolWindow(viewOptionWindow_);
}
void MainWindow::showAnalysisCase() {
    showToolWindow(analysisSettingWindow_);
}
void MainWindow::showRecorderSetting() {
    showToolWindow(recorderSettingWindow_);
}
void MainWindow::showTclFile() {
    showToolWindow(scriptWindow_);
}

void MainWindow::runOpenSees() {
    guarded([this] {
        const QString path = fileDialogs().openFileName(this, scriptRunFilter(), QStringLiteral("tcl"));
        if (!path.isEmpty())
            runPanel_->runScript(path);
    });
}

void MainWindow::clearResultsCommand() {
    guarded([this] {
        clearResults(session_.model, session_.results);
        drawModel();
    });
}

void MainWindow::showDeformation() {
    showToolWindow(deformationWindow_);
}
void MainWindow::showAnimation() {
    showToolWindow(animationWindow_);
}
void MainWindow::showV14Transfer() {
    showToolWindow(v14TransferWindow_);
}
void MainWindow::showCurves() {
    showToolWindow(curvesWindow_);
}

void MainWindow::showBatch() {
    showToolWindow(batchWindow_);
}

void MainWindow::showPerformance() {
    showToolWindow(performanceWindow_);
}

void MainWindow::force() {
    showToolWindow(forceWindow_);
}

void MainWindow::openTutorial() {
    helpWindow_->showPage(QStringLiteral("tutorial.html"));
    showToolWindow(helpWindow_);
}

void MainWindow::openAbout() {
    helpWindow_->showPage(QStringLiteral("about.html"));
    showToolWindow(helpWindow_);
}

void MainWindow::generateScriptCommand() {
    showToolWindow(scriptWindow_);
    scriptWindow_->generateCommand();
}

void MainWindow::exitCommand() {
    close();
}

ViewerContext MainWindow::viewerContext() {
    return ViewerContext{session_.view,          session_.interaction,       session_.model,
                         session_.selectedFrame, surface_->canvas().width(), surface_->canvas().height()};
}

void MainWindow::mousePressed(Qt::MouseButton button, int x, int y) {
    // A click while the Curves window picks a joint names the joint and does nothing else.
    if (button == Qt::LeftButton && curvesWindow_->pickingJoint()) {
        curvesWindow_->pickJointAt(x, y);
        return;
    }
    guarded([&] {
        ViewerContext context = viewerContext();
        perform(Image1MouseDown(context, mouseButtonOf(button), x, y));
    });
}

void MainWindow::mouseMoved(int x, int y) {
    guarded([&] {
        ViewerContext context = viewerContext();
        perform(Image1MouseMove(context, x, y));
    });
}

void MainWindow::mouseReleased(int x, int y) {
    guarded([&] {
        ViewerContext context = viewerContext();
        perform(Image1MouseUp(context, x, y));
    });
}

} // namespace kelvane
