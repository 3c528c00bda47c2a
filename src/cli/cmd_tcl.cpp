#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "tcl/script_generator.h"

namespace kelvane::cli {
namespace {

// tcl MODEL.s2k -o OUT.tcl [--project FILE] [--set NAME=VALUE]...: imports the model, applies the
// project and then the settings and fields in the order given, generates the script and writes it
// with CR LF line ends. The file is written only when the whole generation succeeded.
int runTcl(const Arguments& args) {
    const ModelArguments arguments = parseModelArguments(args);
    PreparedModel model = prepareModel(arguments);
    saveScript(arguments.output, model.store, model.analysis, model.recorders);
    return 0;
}

const RegisterCommand reg("tcl",
                          "tcl MODEL.s2k -o OUT.tcl [--project FILE] [--set NAME=VALUE]... "
                          "[--set section.K.FIELD=VALUE]... [--set material.K.FIELD=VALUE]...",
                          &runTcl);

} // namespace
} // namespace kelvane::cli
