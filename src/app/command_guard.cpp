#include "app/command_guard.h"

#include <QMessageBox>
#include <exception>
#include <utility>

namespace kelvane {

namespace {

ErrorPresenter& installedPresenter() {
    static ErrorPresenter presenter;
    return presenter;
}

} // namespace

ErrorPresenter setErrorPresenter(ErrorPresenter presenter) {
    return std::exchange(installedPresenter(), std::move(presenter));
}

void presentError(QWidget* parent, const QString& text) {
    if (const ErrorPresenter& presenter = installedPresenter()) {
        presenter(parent, text);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Kelvane"), text);
}

bool runGuarded(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        // Core texts are 8-bit byte strings; Latin-1 shows every byte.
        presentError(parent, QString::fromLatin1(error.what()));
        return false;
    } catch (...) {
        presentError(parent, QStringLiteral("Unknown error"));
        return false;
    }
}

} // namespace kelvane
