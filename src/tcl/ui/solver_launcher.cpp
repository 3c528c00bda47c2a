#include "tcl/ui/solver_launcher.h"

#include "common/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace kelvane {

void launchSolverDetached(const QString& scriptPath) {
    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    launchSolverDetached(scriptPath,
                         solverSearchFromEnvironment(QFile::encodeName(programFolder).toStdString()));
}

void launchSolverDetached(const QString& scriptPath, const SolverSearch& search) {
    const std::string solver = findSolverExecutable(search);
    if (solver.empty()) {
        fail(missingSolverMessage(search));
    }
    const QFileInfo script(scriptPath);
    const QString scriptFullPath = QDir::toNativeSeparators(script.absoluteFilePath());
    // The solver finds the ground-motion files and writes its recorder files relative to its
    // working folder, which must therefore be the script's folder.
    if (!QProcess::startDetached(QFile::decodeName(QByteArray::fromStdString(solver)), {scriptFullPath},
                                 script.absolutePath())) {
        fail("The OpenSees solver \"" + solver + "\" could not be started on \"" +
             QFile::encodeName(scriptFullPath).toStdString() + "\".");
    }
}

} // namespace kelvane
