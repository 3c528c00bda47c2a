#include "app/main_window.h"
#include "assess/ui/performance_window.h"

#include "app/command_guard.h"
#include "app/drawing_surface.h"
#include "app/help_window.h"
#include "app/init_main_window.h"
#include "app/session.h"
#include "app/status_panel_bar.h"
#include "app/widget_names.h"
#include "app/window_fit.h"
#include "batch/ui/batch_window.h"
#include "model/s2k_import.h"
#include "model/ui/import_report_window.h"
#include "model/ui/v14_transfer_window.h"
#include "results/ui/animation_window.h"
#include "results/ui/curves_window.h"
#include "results/ui/deformation_window.h"
#include "results/ui/force_window.h"
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

#include <QCloseEvent>
#include <QFrame>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace kelvane {

namespace {

// Creates a tool window as a top-level window owned by the main window and connects its redraw
// request where it has one.
template <class Window> Window* createToolWindow(Session& session, MainWindow* owner) {
    auto* window = new Window(session, owner);
    window->setWindowFlag(Qt::Window);
    window->hide();
    if constexpr (requires { &Window::redrawRequested; })
        QObject::connect(window, &Window::redrawRequested, owner, &MainWindow::redrawModel);
    return window;
}

constexpr int kWheelNotch = 120;

} // namespace

MainWindow::MainWindow(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    InitMainWindow(session_);
    setWindowTitle(QStringLiteral("Kelvane " KELVANE_VERSION));
    resize(1089, 873);
    fitWithinScreen(this);                   // a smaller screen gets a smaller window
    setContextMenuPolicy(Qt::NoContextMenu); // the toolbar stays where it is

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette grey = panel->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    panel->setPalette(grey);
    surface_ = new DrawingSurface(panel);
    surface_->setObjectName(QStringLiteral("drawingSurface"));
    status_ = new StatusPanelBar(panel);
    status_->setObjectName(QStringLiteral("statusBar"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(surface_, 1);
    layout->addWidget(status_);
    setCentralWidget(panel);

    connect(surface_, &DrawingSurface::resized, this, &MainWindow::redrawModel);
    connect(surface_, &DrawingSurface::mousePressed, this, &MainWindow::mousePressed);
    connect(surface_, &DrawingSurface::mouseMoved, this, &MainWindow::mouseMoved);
    connect(surface_, &DrawingSurface::mouseReleased, this, &MainWindow::mouseReleased);
    connect(surface_, &DrawingSurface::wheelTurned, this, &MainWindow::turnWheel);

    animationTimer_ = new QTimer(this);
    animationTimer_->setObjectName(QStringLiteral("animationTimer"));
    animationTimer_->setInterval(1);
    connect(animationTimer_, &QTimer::timeout, this, &MainWindow::animationTick);

    buildToolBar();
    buildMenus();
    addGenerateShortcut();
    fillRecentModels();
    createToolWindows();
}

MainWindow::~MainWindow() = default;

void MainWindow::createToolWindows() {
    frameSectionWindow_ = createToolWindow<FrameSectionWindow>(session_, this);
    materialWindow_ = createToolWindow<MaterialWindow>(session_, this);
    viewOptionWindow_ = createToolWindow<ViewOptionWindow>(session_, this);
    showLoadWindow_ = createToolWindow<ShowLoadWindow>(session_, this);
    scriptWindow_ = createToolWindow<ScriptWindow>(session_, this);
    analysisSettingWindow_ = createToolWindow<AnalysisSettingWindow>(session_, this);
    recorderSettingWindow_ = createToolWindow<RecorderSettingWindow>(session_, this);
    framePropertiesWindow_ = createToolWindow<FramePropertiesWindow>(session_, this);
    deformationWindow_ = createToolWindow<DeformationWindow>(session_, this);
    v14TransferWindow_ = createToolWindow<V14TransferWindow>(session_, this);
    animationWindow_ = createToolWindow<AnimationWindow>(session_, this);
    forceWindow_ = createToolWindow<ForceWindow>(session_, this);
    importReportWindow_ = createToolWindow<ImportReportWindow>(session_, this);
    connect(animationWindow_, &AnimationWindow::playbackChanged, this, &MainWindow::setAnimationRunning);
    runPanel_ = createToolWindow<RunPanel>(session_, this);
    curvesWindow_ = createToolWindow<CurvesWindow>(session_, this);
    helpWindow_ = createToolWindow<HelpWindow>(session_, this);
    batchWindow_ = createToolWindow<BatchWindow>(session_, this);
    performanceWindow_ = createToolWindow<PerformanceWindow>(session_, this);
}

QString MainWindow::statusPanelText(int panel) const {
    return status_->panelText(panel);
}

void MainWindow::guarded(const std::function<void()>& command) {
    runGuarded(this, command);
}

void MainWindow::drawModel() {
    const Scene scene{session_.model,   session_.view,    session_.viewOptions,  session_.loadDisplay,
                      session_.results, session_.colours, session_.selectedFrame};
    RedrawModel(surface_->canvas(), scene);
    surface_->update();
}

void MainWindow::redrawModel() {
    guarded([this] { drawModel(); });
}

void MainWindow::zoomAll() {
    ZoomAll(session_.view, session_.model, surface_->canvas().width(), surface_->canvas().height(),
            [this] { drawModel(); });
}

void MainWindow::showModelCounts() {
    const StatusPanels panels = modelCountPanels(session_.model);
    for (int panel = 0; panel < StatusPanelBar::kPanelCount; ++panel) {
        if (panel == 1 || panel == 16)
            continue;
        status_->setPanelText(panel, fromBytes(panels[static_cast<std::size_t>(panel)]));
    }
}

void MainWindow::perform(const ViewerResponse& response) {
    if (response.showFrameProperties) {
        framePropertiesWindow_->showFrame(session_.selectedFrame);
        framePropertiesWindow_->show();
        framePropertiesWindow_->raise();
    }
    if (response.redraw)
        drawModel();
    if (response.panelText)
        status_->setPanelText(1, fromBytes(*response.panelText));
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_ || event->spontaneous())
        return;
    shownOnce_ = true;
    refresh();
}

void MainWindow::wheelEvent(QWheelEvent* event) {
    turnWheel(event->angleDelta().y());
    event->accept();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    for (QWidget* editor :
         {static_cast<QWidget*>(materialWindow_), static_cast<QWidget*>(frameSectionWindow_)})
        if (editor != nullptr && editor->isVisible() && !editor->close()) {
            event->ignore();
            return;
        }
    QMainWindow::closeEvent(event);
}

// Whole notches zoom; a remainder from a fine-grained wheel waits for the rest of its notch. The
// wheel turned away from the user (a positive delta) zooms in, as in SAP2000 and most viewers:
// FormMouseWheelDown makes a model unit span more pixels.
void MainWindow::turnWheel(int angleDelta) {
    wheelRemainder_ += angleDelta;
    guarded([this] {
        while (wheelRemainder_ <= -kWheelNotch) {
            wheelRemainder_ += kWheelNotch;
            perform(FormMouseWheelUp(session_.view));
        }
        while (wheelRemainder_ >= kWheelNotch) {
            wheelRemainder_ -= kWheelNotch;
            perform(FormMouseWheelDown(session_.view));
        }
    });
}

} // namespace kelvane
