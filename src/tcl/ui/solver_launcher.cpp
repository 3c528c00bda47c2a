#include "tcl/ui/solver_launcher.h"

#include "common/error.h"
#include "tcl/solver_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace kelvane {

void launchSolverDetached(const QString& scriptPath) {
    launchSolverDetached(scriptPath, QCoreApplication::applicationDirPath());
}

void launchSolverDetached(const QString& scriptPath, const QString& programFolder) {
    const QByteArray pathVariable = qgetenv("PATH");
    const std::string folder = QFile::encodeName(QDir::toNativeSeparators(programFolder)).toStdString();
    const std::string solver = findSolverExecutable(folder, pathVariable.toStdString());
    if (solver.empty()) {
        fail("The OpenSees solver \"" + solverExecutableName() +
             "\" was found neither in the program folder \"" + folder + "\" nor on the PATH.");
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
