// Kelvane desktop program: kelvane [--help | --version] [MODEL.s2k]
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/session.h"

#include <QApplication>
#include <QStringList>

#include <iostream>

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that they work without a display.
    if (const auto status = kelvane::answerInformationOptions({argv, argv + argc}, KELVANE_VERSION))
        return *status;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));

    const QStringList arguments = QApplication::arguments();
    std::vector<std::string> texts;
    for (const QString& argument : arguments)
        texts.push_back(argument.toStdString());
    const kelvane::DesktopArguments parsed = kelvane::parseDesktopArguments(texts);
    if (!parsed.error.empty()) {
        std::cerr << "kelvane: " << parsed.error << "\nRun 'kelvane --help' for the arguments.\n";
        return 2;
    }

    kelvane::Session session;
    kelvane::MainWindow window(session);
    window.show();

    // An optional model file named on the command line is imported at start-up.
    if (parsed.modelIndex > 0)
        window.importFile(arguments.at(parsed.modelIndex));

    return QApplication::exec();
}
