#include "app/command_line.h"

#include "solver/solver_location.h"
#include "solver/solver_version.h"

#include <algorithm>
#include <iostream>

namespace kelvane {

std::string desktopHelpText() {
    const std::string usage = "usage: kelvane [OPTIONS] [MODEL.s2k]\n\n"
                              "Kelvane, the OpenSees pre- and post-processor: opens the main window and "
                              "imports the model\nwhen one is given.\n\n";
    const std::string lines =
        "Arguments:\n"
        "  MODEL.s2k             a SAP2000 text model (.s2k or .$2k, version-6 or table format) or an ETABS "
        "model (.e2k) to import\n"
        "                        at start-up\n"
        "Options:\n"
        "  -h, --help            show this help and exit\n"
        "  --version             show the version of Kelvane and of the OpenSees solver it finds, and exit\n"
        "  -platform NAME, ...   Qt's own options, as every Qt program takes them\n\n";
    const std::string solver =
        "The OpenSees solver is looked for beside the program, then in the user's data "
        "folder\n(" +
        solverInstallerName() +
        " installs it there), then on the PATH. kelvane-cli does the same\n"
        "jobs without a window.\n";
    return usage + lines + solver;
}

std::string desktopVersionText(const std::string& version, const std::string& programFolder) {
    return "kelvane " + version + "\n" + solverVersionLine(solverSearchFromEnvironment(programFolder)) + "\n";
}

std::optional<int> answerInformationOptions(const std::vector<std::string>& arguments,
                                            const std::string& version) {
    for (std::size_t a = 1; a < arguments.size() && arguments[a] != "--"; ++a) {
        if (arguments[a] == "--help" || arguments[a] == "-h") {
            std::cout << desktopHelpText();
            return 0;
        }
        if (arguments[a] == "--version") {
            std::cout << desktopVersionText(version, runningProgramFolder());
            return 0;
        }
    }
    return std::nullopt;
}

DesktopArguments parseDesktopArguments(const std::vector<std::string>& arguments) {
    DesktopArguments parsed;
    bool optionsEnded = false;
    for (std::size_t a = 1; a < arguments.size(); ++a) {
        const std::string& argument = arguments[a];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            parsed.error = "unknown option " + argument;
            return parsed;
        } else if (parsed.modelIndex >= 0) {
            parsed.error = "more than one model file: " + argument;
            return parsed;
        } else {
            parsed.modelIndex = static_cast<int>(a);
        }
    }
    return parsed;
}

} // namespace kelvane
