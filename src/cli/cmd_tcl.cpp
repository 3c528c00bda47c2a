#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "script/script_generator.h"
#include "script/script_warnings.h"
#include <iostream>

namespace kelvane::cli {
namespace {

// tcl MODEL.s2k -o OUT.tcl [--project FILE] [--set NAME=VALUE]...: imports the model, applies the
// project and then the settings and fields in the order given, generates the script and writes it
// with CR LF line ends. The file is written only when the whole generation succeeded. A PEER NGA
// record of the uniform excitation is converted beside the script.
int runTcl(const Arguments& args) {
    const ModelArguments arguments = parseModelArguments(args);
    PreparedModel model = prepareModel(arguments);
    saveScriptWithRecord(arguments.output, model.store, model.analysis, model.recorders);
    for (const std::string& warning : scriptWarnings(model.store, model.analysis))
        std::cerr << "Warning: " << warning << '\n';
    return 0;
}

const RegisterCommand reg({
    .name = "tcl",
    .usage =
        "tcl MODEL.s2k -o OUT.tcl [--project FILE] [--set NAME=VALUE]... [--set section.K.FIELD=VALUE]... "
        "[--set material.K.FIELD=VALUE]...",
    .summary = "Write the OpenSees Tcl script of a model with the given settings",
    .details =
        "The project is applied first, then the settings, section and material fields in the order given.\n"
        "The script is written with CR LF line ends, and only when the whole generation succeeded.\n"
        "The time-history procedures read the record gmFile as the script names it, from the script's\n"
        "folder unless it has a path. A PEER NGA record (gmFile=NAME.AT2) is converted into NAME.txt beside\n"
        "the script, in mm/s2 (1 g = 9806.65), and the script takes its time step from the record's header.",
    .lines =
        {
            {"MODEL.s2k", "the SAP2000 text model"},
            {"-o OUT.tcl", "the script to write"},
            {"--project FILE", "a project saved for the model (its settings, materials and sections)"},
            {"--set NAME=VALUE",
             "an analysis or recorder setting (`kelvane-cli settings` lists every name with its meaning, "
             "unit and default); materialDefaults=nonlinear; addMaterial=NAME"},
            {"--set section.K.FIELD=VALUE", "a field of frame section K (1-based, table order)"},
            {"--set material.K.FIELD=VALUE",
             "a field of material K: model, a parameter (Fy, E0, b, R0, cR1, cR2, fpc, epsc0, fpcu, epsU, "
             "lambda, ft, Ets), or E, nu, name of an added material"},
        },
    .run = &runTcl,
});

} // namespace
} // namespace kelvane::cli
