#include "cli/command_registry.h"
#include "common/text_file.h"
#include "model/v14_converter.h"

#include <iostream>
#include <string>

namespace kelvane::cli {
namespace {

// v14 IN.s2k -o OUT.s2k: converts a SAP2000 V14 solid model and prints the conversion report. The
// output file is written only after the whole conversion succeeded.
int runV14(const Arguments& args) {
    std::string input;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size())
                throw UsageError{"-o needs a file name"};
            output = args[++i];
        } else if (input.empty()) {
            input = args[i];
        } else {
            throw UsageError{"unexpected argument: " + args[i]};
        }
    }
    if (input.empty() || output.empty())
        throw UsageError{"an input file and -o OUT.s2k are required"};

    const V14Conversion conversion = convertV14(loadLines(input));
    saveLinesCrLf(output, conversion.outputLines);
    for (const std::string& line : conversion.reportLines)
        std::cout << line << "\n";
    return 0;
}

const RegisterCommand reg({
    .name = "v14",
    .usage = "v14 IN.s2k -o OUT.s2k",
    .summary = "Convert a SAP2000 V14 solid model to the version-6 layout and print the report",
    .details = "The output file is written only after the whole conversion succeeded.",
    .lines =
        {
            {"IN.s2k", "the SAP2000 V14 text model"},
            {"-o OUT.s2k", "the version-6 model to write"},
        },
    .run = &runV14,
});

} // namespace
} // namespace kelvane::cli
