#include "tcl/ui/script_window.h"

#include "app/session.h"

namespace kelvane {

ScriptWindow::ScriptWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("OpenSEES Tcl File"));
}

} // namespace kelvane
