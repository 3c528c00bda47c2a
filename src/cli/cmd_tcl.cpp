#include "cli/command_registry.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "tcl/analysis_settings.h"
#include "tcl/script_generator.h"
#include "tcl/settings_by_name.h"

#include <string>
#include <vector>

namespace kelvane::cli {
namespace {

struct Assignment {
    std::string name;
    std::string value;
};

// tcl MODEL.s2k -o OUT.tcl [--set NAME=VALUE]...: imports the model, applies the settings and the
// section fields in the order given, generates the script and writes it with CR LF line ends. The
// file is written only when the whole generation succeeded.
int runTcl(const Arguments& args) {
    std::string input;
    std::string output;
    std::vector<Assignment> assignments;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--set") {
            if (i + 1 >= args.size())
                throw UsageError{args[i] + " needs a value"};
            const std::string& value = args[++i];
            if (args[i - 1] == "-o") {
                output = value;
                continue;
            }
            const std::size_t equals = value.find('=');
            if (equals == std::string::npos || equals == 0)
                throw UsageError{"--set needs NAME=VALUE, got '" + value + "'"};
            assignments.push_back({value.substr(0, equals), value.substr(equals + 1)});
        } else if (input.empty()) {
            input = args[i];
        } else {
            throw UsageError{"unexpected argument: " + args[i]};
        }
    }
    if (input.empty() || output.empty())
        throw UsageError{"a model file and -o OUT.tcl are required"};

    ModelStore store = importModelFile(input, initPalette()).store;
    AnalysisSettings analysis;
    RecorderSettings recorders;
    for (const Assignment& assignment : assignments)
        setNamedValue(store, analysis, recorders, assignment.name, assignment.value);
    saveScript(output, store, analysis, recorders);
    return 0;
}

const RegisterCommand
    reg("tcl", "tcl MODEL.s2k -o OUT.tcl [--set NAME=VALUE]... [--set section.K.FIELD=VALUE]...", &runTcl);

} // namespace
} // namespace kelvane::cli
