#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "project/project_file.h"

namespace kelvane::cli {
namespace {

// project MODEL.s2k -o OUT.kelvane [--project FILE] [--set NAME=VALUE]...: what the desktop
// program's Save Project writes, for the model with the project and the settings applied.
int runProject(const Arguments& args) {
    const ModelArguments arguments = parseModelArguments(args);
    const PreparedModel model = prepareModel(arguments);
    saveProject(arguments.output, arguments.model, model.store, model.analysis, model.recorders);
    return 0;
}

const RegisterCommand reg({
    .name = "project",
    .usage = "project MODEL.s2k -o OUT.kelvane [--project FILE] [--set NAME=VALUE]...",
    .summary = "Write a project file: the model's settings, materials and section settings",
    .details = "What the desktop program's Save Project writes, for the model with the project and the\n"
               "settings applied. tcl --project and Open Project read it back.",
    .lines =
        {
            {"MODEL.s2k", "the SAP2000 text model the project belongs to"},
            {"-o OUT.kelvane", "the project file to write"},
            {"--project FILE", "a project to start from"},
            {"--set NAME=VALUE", "a setting, section.K.FIELD or material.K.FIELD, as tcl takes them"},
        },
    .run = &runProject,
});

} // namespace
} // namespace kelvane::cli
