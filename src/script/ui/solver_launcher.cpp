#include "script/ui/solver_launcher.h"

#include "common/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace kelvane {

namespace {

QString decoded(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

} // namespace

SolverSearch desktopSolverSearch() {
    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    return solverSearchFromEnvironment(QFile::encodeName(programFolder).toStdString());
}

std::unique_ptr<WatchedRun> launchSolverDetached(const QString& scriptPath) {
    return launchSolverDetached(scriptPath, desktopSolverSearch());
}

std::unique_ptr<WatchedRun> launchSolverDetached(const QString& scriptPath, const SolverSearch& search) {
    const QFileInfo script(scriptPath);
    // A Python script runs on OpenSeesPy, anything else on the Tcl interpreter.
    const std::string executable =
        solverExecutableNameFor(QFile::encodeName(script.fileName()).toStdString());
    const std::string solver = findSolverExecutable(search, executable);
    if (solver.empty()) {
        fail(missingSolverMessage(search, executable));
    }
    const QString scriptFullPath = QDir::toNativeSeparators(script.absoluteFilePath());
    auto run = std::make_unique<WatchedRun>(QFile::encodeName(scriptFullPath).toStdString());
    const std::vector<std::string> command = run->command(solver);
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i)
        arguments << decoded(command[i]);
    run->begin();
    // The solver finds the ground-motion files and writes its recorder files relative to its
    // working folder, which must therefore be the script's folder.
    if (!QProcess::startDetached(decoded(command[0]), arguments, script.absolutePath())) {
        fail("The OpenSees solver \"" + solver + "\" could not be started on \"" +
             QFile::encodeName(scriptFullPath).toStdString() + "\".");
    }
    return run;
}

} // namespace kelvane
