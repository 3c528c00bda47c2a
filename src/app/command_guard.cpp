#include "app/command_guard.h"

#include <QMessageBox>
#include <QString>
#include <exception>

namespace kelvane {

bool runGuarded(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        // Core texts are 8-bit byte strings; Latin-1 shows every byte.
        QMessageBox::critical(parent, QStringLiteral("Kelvane"), QString::fromLatin1(error.what()));
        return false;
    }
}

} // namespace kelvane
