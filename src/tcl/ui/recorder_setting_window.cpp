#include "tcl/ui/recorder_setting_window.h"

#include "app/session.h"

namespace kelvane {

RecorderSettingWindow::RecorderSettingWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("Recorder Setting"));
}

} // namespace kelvane
