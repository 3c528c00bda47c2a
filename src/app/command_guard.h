#pragma once

#include <functional>

class QWidget;

namespace kelvane {

// The top-level error handler: runs a command and shows any failure's text in a message box.
// The command stops where it failed and keeps what it had stored; the program keeps running.
// Returns false when the command failed.
bool runGuarded(QWidget* parent, const std::function<void()>& command);

} // namespace kelvane
