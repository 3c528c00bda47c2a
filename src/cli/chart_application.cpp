#include "cli/chart_application.h"

#ifdef KELVANE_WITH_PAINT
#include <iostream>

namespace kelvane::cli {
namespace {

void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toLocal8Bit().constData() << "\n";
}

} // namespace

std::unique_ptr<QGuiApplication> ensureChartApplication() {
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    static int argc = 1;
    static char name[] = "kelvane-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace kelvane::cli
#endif
