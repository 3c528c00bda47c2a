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

const RegisterCommand
    reg("project", "project MODEL.s2k -o OUT.kelvane [--project FILE] [--set NAME=VALUE]...", &runProject);

} // namespace
} // namespace kelvane::cli
