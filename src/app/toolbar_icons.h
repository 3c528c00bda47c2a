#pragma once

#include <QIcon>

namespace kelvane {

// The pictures of the toolbar buttons, drawn at start-up (20 x 20 pixels).
enum class ToolIcon {
    Import,
    FrameSection,
    Material,
    ViewXY,
    ViewXZ,
    ViewYZ,
    ZoomAll,
    Rotate,
    Pan,
    Refresh,
    ShowLoad,
    ViewOption,
    Select,
    Idle,
    AnalysisCase,
    RecorderSetting,
    TclFile,
    RunSolver,
    ClearResults,
    Deformation,
    Animation,
};

QIcon toolbarIcon(ToolIcon icon);

} // namespace kelvane
