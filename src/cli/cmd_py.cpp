#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "script/script_generator.h"
#include "script/script_warnings.h"
#include <iostream>

namespace kelvane::cli {
namespace {

// py MODEL.s2k -o OUT.py [--project FILE] [--set NAME=VALUE]...: the OpenSeesPy twin of the tcl
// command's script, from the same model, project and settings, with a PEER NGA record converted
// beside it as the tcl command does.
int runPy(const Arguments& args) {
    const ModelArguments arguments = parseModelArguments(args);
    PreparedModel model = prepareModel(arguments);
    saveScriptWithRecord(arguments.output, model.store, model.analysis, model.recorders,
                         ScriptLanguage::Python);
    for (const std::string& warning : scriptWarnings(model.store, model.analysis))
        std::cerr << "Warning: " << warning << '\n';
    return 0;
}

const RegisterCommand reg({
    .name = "py",
    .usage = "py MODEL.s2k -o OUT.py [--project FILE] [--set NAME=VALUE]... [--set section.K.FIELD=VALUE]... "
             "[--set material.K.FIELD=VALUE]...",
    .summary =
        "Write the OpenSeesPy script of a model: the Tcl script's commands, tags and numbers in Python",
    .details = "The same model, project and settings give the same analysis as the tcl command's script: it\n"
               "writes the same recorder files. Run it with `kelvane-cli run OUT.py`.",
    .lines =
        {
            {"MODEL.s2k", "the SAP2000 text model"},
            {"-o OUT.py", "the Python script to write"},
            {"--project FILE", "a project saved for the model (its settings, materials and sections)"},
            {"--set NAME=VALUE", "an analysis or recorder setting, as tcl takes it"},
            {"--set section.K.FIELD=VALUE", "a field of frame section K (1-based, table order)"},
            {"--set material.K.FIELD=VALUE", "a field of material K, as tcl takes it"},
        },
    .run = &runPy,
});

} // namespace
} // namespace kelvane::cli
