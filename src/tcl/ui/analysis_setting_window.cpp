#include "tcl/ui/analysis_setting_window.h"

#include "app/session.h"

namespace kelvane {

AnalysisSettingWindow::AnalysisSettingWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("Analysis Setting"));
}

} // namespace kelvane
