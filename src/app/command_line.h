#pragma once

#include <optional>
#include <string>
#include <vector>

// The desktop program's own arguments: kelvane [--help | --version] [MODEL.s2k]. Qt takes its
// options (-platform NAME, -style NAME, ...) out of the list before these are read.
namespace kelvane {

// What kelvane --help prints.
std::string desktopHelpText();

// The two lines kelvane --version prints: the program's version and the OpenSees solver found
// from `programFolder`.
std::string desktopVersionText(const std::string& version, const std::string& programFolder);

// The exit status when the arguments ask for the help or the version, which are then printed on
// standard output; nothing otherwise. This runs before Qt starts, so it needs no display.
std::optional<int> answerInformationOptions(const std::vector<std::string>& arguments,
                                            const std::string& version);

struct DesktopArguments {
    int modelIndex = -1; // the position of the model to import in the arguments, -1 for none
    std::string error;   // why the arguments were refused, "" when they were not
};

// Reads the arguments left after Qt's own (the first is the program): at most one model file, no
// unknown option; "--" ends the options.
DesktopArguments parseDesktopArguments(const std::vector<std::string>& arguments);

} // namespace kelvane
