#include "cli/help_text.h"

#include <algorithm>
#include <ostream>

namespace kelvane::cli {
namespace {

std::size_t termWidth(const std::vector<const HelpLine*>& lines) {
    std::size_t width = 0;
    for (const HelpLine* line : lines)
        width = std::max(width, line->term.size());
    return width;
}

// A heading and its lines, the meanings starting in one column after the widest term.
void printLines(std::ostream& out, const char* heading, const std::vector<const HelpLine*>& lines,
                std::size_t width) {
    if (lines.empty())
        return;
    out << heading << ":\n";
    for (const HelpLine* line : lines)
        out << "  " << line->term << std::string(width - line->term.size() + 3, ' ') << line->meaning << "\n";
}

} // namespace

const std::vector<HelpLine>& programOptions() {
    static const std::vector<HelpLine> options = {
        {"-h, --help", "show this help and exit"},
        {"--version", "show the version of kelvane-cli and of the OpenSees solver it finds, and exit"},
        {"--man-page", "print the manual page (troff) and exit"},
        {"--bash-completion", "print the bash completion script and exit"},
    };
    return options;
}

const HelpLine& commandHelpOption() {
    static const HelpLine help = {"-h, --help", "show this help and exit"};
    return help;
}

TermParts splitTerm(const std::string& term) {
    TermParts parts;
    if (term.empty() || term[0] != '-') {
        parts.value = term;
        return parts;
    }
    std::size_t start = 0;
    while (start < term.size()) {
        const std::size_t end = term.find_first_of(", ", start);
        const std::string word =
            term.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!word.empty() && word[0] == '-') {
            parts.flags.push_back(word);
        } else if (!word.empty()) {
            parts.value = term.substr(start);
            break;
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return parts;
}

void printProgramHelp(std::ostream& out, const std::vector<Command>& commands) {
    out << "usage: kelvane-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
           "       kelvane-cli COMMAND --help\n"
           "       kelvane-cli --help | --version | --man-page | --bash-completion\n\n"
           "The command line of Kelvane: imports SAP2000 text models, writes OpenSees scripts, runs\n"
           "OpenSees and reads its results, as the desktop program does.\n\n";
    std::vector<HelpLine> summaries;
    for (const Command& command : commands)
        summaries.push_back({command.name, command.summary});
    std::vector<const HelpLine*> commandLines;
    for (const HelpLine& line : summaries)
        commandLines.push_back(&line);
    printLines(out, "Commands", commandLines, termWidth(commandLines));
    std::vector<const HelpLine*> options;
    for (const HelpLine& line : programOptions())
        options.push_back(&line);
    printLines(out, "Options", options, termWidth(options));
    out << "\nRun 'kelvane-cli COMMAND --help' for the arguments and options of a command.\n"
           "Errors go to standard error; the exit status is 0 on success, 1 when the command failed\n"
           "and 2 for a malformed command line.\n";
}

void printCommandHelp(std::ostream& out, const Command& command) {
    out << "usage: kelvane-cli " << command.usage << "\n\n" << command.summary << "\n\n";
    std::vector<const HelpLine*> arguments;
    std::vector<const HelpLine*> options;
    for (const HelpLine& line : command.lines)
        (line.term.starts_with("-") ? options : arguments).push_back(&line);
    options.push_back(&commandHelpOption());
    const std::size_t width = std::max(termWidth(arguments), termWidth(options));
    printLines(out, "Arguments", arguments, width);
    printLines(out, "Options", options, width);
    if (!command.details.empty())
        out << "\n" << command.details << "\n";
}

} // namespace kelvane::cli
