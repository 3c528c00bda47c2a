#pragma once

#include <QMainWindow>
#include <functional>
#include <string>

class QMenu;
class QTimer;
class QToolButton;

namespace kelvane {

struct Session;
struct ViewerResponse;
struct ViewerContext;
struct ViewState;
struct ModelStore;
class DrawingSurface;
class StatusPanelBar;
class FrameSectionWindow;
class MaterialWindow;
class ViewOptionWindow;
class ShowLoadWindow;
class ScriptWindow;
class AnalysisSettingWindow;
class RecorderSettingWindow;
class FramePropertiesWindow;
class DeformationWindow;
class V14TransferWindow;
class AnimationWindow;
class ForceWindow;
class ImportReportWindow;
struct ImportedModel;
class RunPanel;
class CurvesWindow;
class HelpWindow;
class BatchWindow;
class PerformanceWindow;

// The main window: toolbar, menus, the drawing surface with its 17-panel status bar, the
// animation timer and the tool windows, which it creates once and only shows and hides.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Session& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    DrawingSurface* drawingSurface() const { return surface_; }
    QString statusPanelText(int panel) const;
    QTimer* animationTimer() const { return animationTimer_; }

    // Loads and imports a model file of either format, as the import command does with a
    // confirmed file. A failed import leaves the model shown before as it was.
    void importFile(const QString& path);
    ImportReportWindow* importReportWindow() const { return importReportWindow_; }

    // The one full redraw of the drawing surface.
    void redrawModel();
    // One step of the animation (the timer's tick).
    void animationTick();

  protected:
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // The windows with edits OK has not stored ask first; a cancel keeps the program open.
    void closeEvent(QCloseEvent* event) override;

  private:
    using Command = void (MainWindow::*)();

    void buildToolBar();
    void buildMenus();
    void addGenerateShortcut();
    void fillRecentModels();
    void createToolWindows();
    QToolButton* toolButton(const char* name) const;

    // Redraw and ZoomAll for use inside guarded commands (they throw).
    void drawModel();
    void zoomAll();
    void showModelCounts();
    // Makes an imported model the session's model: counts, redraw, fit, and the import report of
    // a table-format file.
    // `path` is the file the model came from, empty when its lines were imported again.
    void adoptImportedModel(ImportedModel& imported, const std::string& path);
    // What belonged to the model shown before a new one took its place: the picked frame, and the
    // script generated for it, which is no longer current.
    void forgetReplacedModel();
    void perform(const ViewerResponse& response);
    void guarded(const std::function<void()>& command);
    ViewerContext viewerContext();
    using StandardView = void (*)(ViewState&, const ModelStore&, int, int, const std::function<void()>&);
    void standardView(StandardView setView);

    // Toolbar and menu commands.
    void importS2kCommand();
    void savePictureCommand();
    void saveReportCommand();
    void showFrameSection();
    void showMaterial();
    void viewXY();
    void viewXZ();
    void viewYZ();
    void zoomAllCommand();
    void rotateView();
    void pan();
    void refresh();
    void showShowLoad();
    void showViewOption();
    void selectElement();
    void idle();
    void showAnalysisCase();
    void showRecorderSetting();
    void showTclFile();
    void runOpenSees();
    void clearResultsCommand();
    void showDeformation();
    void showAnimation();
    void showV14Transfer();
    void showCurves();
    void showBatch();
    void showPerformance();
    void openProjectCommand();
    void saveProjectCommand();
    void force();
    void openTutorial();
    void openAbout();
    void generateScriptCommand();
    void exitCommand();

    // Drawing-surface mouse and animation playback.
    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(int x, int y);
    void mouseReleased(int x, int y);
    void setAnimationRunning(bool running);
    void turnWheel(int angleDelta);

    Session& session_;
    DrawingSurface* surface_ = nullptr;
    StatusPanelBar* status_ = nullptr;
    QTimer* animationTimer_ = nullptr;
    int wheelRemainder_ = 0;
    bool shownOnce_ = false;

    FrameSectionWindow* frameSectionWindow_ = nullptr;
    MaterialWindow* materialWindow_ = nullptr;
    ViewOptionWindow* viewOptionWindow_ = nullptr;
    ShowLoadWindow* showLoadWindow_ = nullptr;
    ScriptWindow* scriptWindow_ = nullptr;
    AnalysisSettingWindow* analysisSettingWindow_ = nullptr;
    RecorderSettingWindow* recorderSettingWindow_ = nullptr;
    FramePropertiesWindow* framePropertiesWindow_ = nullptr;
    DeformationWindow* deformationWindow_ = nullptr;
    V14TransferWindow* v14TransferWindow_ = nullptr;
    AnimationWindow* animationWindow_ = nullptr;
    ForceWindow* forceWindow_ = nullptr;
    ImportReportWindow* importReportWindow_ = nullptr;
    RunPanel* runPanel_ = nullptr;
    CurvesWindow* curvesWindow_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    BatchWindow* batchWindow_ = nullptr;
    // The target displacement of a pushover (Post, Performance).
    PerformanceWindow* performanceWindow_ = nullptr;
};

} // namespace kelvane
