#include "sections/ui/frame_section_window.h"

#include "app/session.h"

namespace kelvane {

FrameSectionWindow::FrameSectionWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("Frame Section (Nonlinear)"));
}

} // namespace kelvane
