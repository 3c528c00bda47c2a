#pragma once

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

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
    // Never destroyed: destroyed at exit, after Qt's thread storage, it would crash removing the
    // application fonts the suite loaded.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

// Tests that measure drawn text pin its face: DejaVu Sans, loaded from its file (fonts-dejavu-core,
// which the setup installs), so that other installed fonts change nothing. Empty if it is missing.
inline QString pinnedFontFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.front();
    }();
    return family;
}

// A base that creates the application before any member of the fixture is built.
struct WithGuiApplication {
    WithGuiApplication() { ensureGuiApplication(); }
};

} // namespace kelvane::test
