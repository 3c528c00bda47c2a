#include "sections/ui/material_window.h"

#include "app/session.h"

namespace kelvane {

MaterialWindow::MaterialWindow(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setWindowTitle(QStringLiteral("Material Data"));
}

} // namespace kelvane
