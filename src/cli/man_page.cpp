#include "cli/man_page.h"

#include "cli/help_text.h"
#include "solver/solver_location.h"

#include <ostream>

namespace kelvane::cli {
namespace {

void printTerms(std::ostream& out, const std::vector<HelpLine>& lines) {
    for (const HelpLine& line : lines)
        out << ".TP\n.B " << troffText(line.term) << "\n" << troffText(line.meaning) << "\n";
}

} // namespace

std::string troffText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\')
            escaped += "\\e";
        else if (c == '-')
            escaped += "\\-";
        else if (c == '\n')
            escaped += " ";
        else
            escaped += c;
    }
    if (!escaped.empty() && (escaped[0] == '.' || escaped[0] == '\''))
        escaped.insert(0, "\\&");
    return escaped;
}

void printManPage(std::ostream& out, const std::vector<Command>& commands, const std::string& version) {
    out << ".TH KELVANE\\-CLI 1 \"\" \"Kelvane " << troffText(version) << "\" \"User Commands\"\n"
        << ".SH NAME\nkelvane\\-cli \\- the command line of Kelvane, the OpenSees pre\\- and "
           "post\\-processor\n"
        << ".SH SYNOPSIS\n.B kelvane\\-cli\n.I COMMAND\n[\\fIARGUMENTS\\fR] [\\fIOPTIONS\\fR]\n.br\n"
        << ".B kelvane\\-cli\n.I COMMAND\n.B \\-\\-help\n.br\n"
        << ".B kelvane\\-cli\n\\-\\-help | \\-\\-version | \\-\\-man\\-page | \\-\\-bash\\-completion\n"
        << ".SH DESCRIPTION\nKelvane imports SAP2000 version\\-6 text models (.s2k), writes OpenSees Tcl "
           "scripts, runs OpenSees and reads its recorder files back. kelvane\\-cli does what the desktop "
           "program kelvane does, without a window.\n"
        << ".SH OPTIONS\n";
    printTerms(out, programOptions());
    out << ".SH COMMANDS\n";
    for (const Command& command : commands) {
        // A usage of several lines (one per sub-command) keeps its lines.
        const std::string& usage = command.usage;
        std::size_t end = usage.find('\n');
        out << ".SS " << troffText(command.name) << "\n.B kelvane\\-cli " << troffText(usage.substr(0, end))
            << "\n";
        while (end != std::string::npos) {
            const std::size_t start = usage.find_first_not_of(' ', end + 1);
            end = usage.find('\n', start);
            out << ".br\n.B " << troffText(usage.substr(start, end == std::string::npos ? end : end - start))
                << "\n";
        }
        out << ".PP\n" << troffText(command.summary) << "\n";
        if (!command.details.empty())
            out << ".PP\n" << troffText(command.details) << "\n";
        std::vector<HelpLine> lines = command.lines;
        lines.push_back(commandHelpOption());
        printTerms(out, lines);
    }
    out << ".SH EXIT STATUS\n0 on success, 1 when the command failed (the message is on standard error), 2 "
           "for a malformed command line.\n"
        << ".SH ENVIRONMENT\n.TP\n.B XDG_DATA_HOME\nThe user's data folder (default ~/.local/share); the "
           "OpenSees solver installed by "
        << troffText(solverInstallerName())
        << " is looked for in "
           "its kelvane/bin folder.\n.TP\n.B PATH\nSearched for the solver "
        << troffText(solverExecutableName())
        << " after the program's own folder and the user's data folder.\n"
        << ".SH SEE ALSO\n.BR kelvane (1),\n.BR " << troffText(solverInstallerName()) << " (1)\n";
}

} // namespace kelvane::cli
