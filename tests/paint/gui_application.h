#pragma once

#include <QCoreApplication>
#include <QGuiApplication>

namespace kelvane::test {

// Painting text needs a GUI application; the suite runs on the offscreen platform.
inline void ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_paint";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

// A base that creates the application before any member of the fixture is built.
struct WithGuiApplication {
    WithGuiApplication() { ensureGuiApplication(); }
};

} // namespace kelvane::test
