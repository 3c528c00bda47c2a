// File > Open Project and Save Project: what the user set for a model, kept beside it.
#include "app/command_guard.h"
#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "app/session.h"
#include "app/widget_names.h"
#include "common/error.h"
#include "model/model_import.h"
#include "project/project_file.h"

#include <QFile>
#include <QStringList>

namespace kelvane {

namespace {

const QString kProjectFilter = QStringLiteral("Kelvane project (*.kelvane)");

} // namespace

void MainWindow::saveProjectCommand() {
    guarded([this] {
        if (session_.modelPath.empty())
            fail("Import a model before saving a project: a project belongs to a model file");
        const QString path = fileDialogs().saveFileName(this, kProjectFilter, QStringLiteral("kelvane"));
        if (path.isEmpty())
            return;
        saveProject(QFile::encodeName(path).toStdString(), session_.modelPath, session_.model,
                    session_.analysis, session_.recorders);
    });
}

// The project's model is imported and the project applied to fresh settings; only when both
// succeed do they replace what the program holds, so a failure keeps the model on show.
void MainWindow::openProjectCommand() {
    guarded([this] {
        const QString path = fileDialogs().openFileName(this, kProjectFilter, QStringLiteral("kelvane"));
        if (path.isEmpty())
            return;
        const ProjectFile project = readProject(QFile::encodeName(path).toStdString());
        ModelStore model = importModelFile(project.modelPath, session_.colours).store;
        AnalysisSettings analysis;
        RecorderSettings recorders;
        const std::vector<std::string> notes =
            applyProject(project, project.modelPath, model, analysis, recorders);

        session_.model = std::move(model);
        session_.modelPath = project.modelPath;
        session_.analysis = analysis;
        session_.recorders = recorders;
        forgetReplacedModel();
        showModelCounts();
        drawModel();
        zoomAll();
        if (!notes.empty()) {
            QStringList lines;
            for (const std::string& note : notes)
                lines << fromBytes(note);
            presentNotice(this, lines.join(QLatin1Char('\n')));
        }
    });
}

} // namespace kelvane
