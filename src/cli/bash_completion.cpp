#include "cli/bash_completion.h"

#include "cli/help_text.h"
#include "script/settings_by_name.h"
#include "sections/section_fields.h"

#include <algorithm>
#include <ostream>
#include <set>
#include <string>

namespace kelvane::cli {
namespace {

std::string join(const std::vector<std::string>& words, const char* separator) {
    std::string joined;
    for (const std::string& word : words)
        joined += (joined.empty() ? "" : separator) + word;
    return joined;
}

// What a value's placeholder calls for.
struct ValueKind {
    enum { Text, Files, Words, Setting } kind = Text;
    std::vector<std::string> words; // the extensions of Files (none: folders only), the words of Words
};

ValueKind valueKind(const std::string& placeholder) {
    if (placeholder.find('=') != std::string::npos)
        return {ValueKind::Setting, {}};
    if (placeholder.find('|') != std::string::npos) {
        ValueKind choice{ValueKind::Words, {""}};
        for (char c : placeholder)
            if (c == '|')
                choice.words.emplace_back();
            else if (c != '[' && c != ']')
                choice.words.back() += c;
        return choice;
    }
    if (placeholder.ends_with("FOLDER") || placeholder.ends_with("_DIR"))
        return {ValueKind::Files, {}};
    const auto dot = placeholder.rfind('.');
    if (dot == std::string::npos || dot + 1 == placeholder.size())
        return {};
    const std::string extension = placeholder.substr(dot + 1);
    // SAP2000 writes its text models as .s2k and as .$2k.
    if (extension == "s2k")
        return {ValueKind::Files, {"s2k", "'$2k'"}};
    return {ValueKind::Files, {extension}};
}

// The shell code that fills COMPREPLY for a value of that kind.
std::string completionCode(const ValueKind& value) {
    switch (value.kind) {
    case ValueKind::Setting:
        return "_kelvane_cli_settings";
    case ValueKind::Words:
        return "_kelvane_cli_words '" + join(value.words, " ") + "'";
    case ValueKind::Files:
        return value.words.empty() ? "_kelvane_cli_files" : "_kelvane_cli_files " + join(value.words, " ");
    case ValueKind::Text:
        break;
    }
    return ":";
}

void printCommandCase(std::ostream& out, const Command& command) {
    std::vector<std::string> flags = {"--help"};
    ValueKind positional{ValueKind::Files, {}};
    std::vector<std::string> subcommands; // a first argument that is one of a few words
    std::set<std::string> valueFlagsDone;
    std::string valueCases;
    for (const HelpLine& line : command.lines) {
        const TermParts parts = splitTerm(line.term);
        if (parts.flags.empty()) {
            const ValueKind kind = valueKind(parts.value);
            if (kind.kind == ValueKind::Words) {
                subcommands = kind.words;
                continue;
            }
            // Positional arguments offer folders and the files of every kind they take.
            for (const std::string& extension : kind.words)
                if (std::find(positional.words.begin(), positional.words.end(), extension) ==
                    positional.words.end())
                    positional.words.push_back(extension);
            continue;
        }
        for (const std::string& flag : parts.flags)
            if (std::find(flags.begin(), flags.end(), flag) == flags.end() && flag != "-h")
                flags.push_back(flag);
        const std::string pattern = join(parts.flags, "|");
        if (parts.value.empty() || !valueFlagsDone.insert(pattern).second)
            continue;
        valueCases +=
            "            " + pattern + ") " + completionCode(valueKind(parts.value)) + "; return ;;\n";
    }
    out << "    " << command.name << ")\n";
    if (!subcommands.empty())
        out << "        if ((COMP_CWORD == 2)); then _kelvane_cli_words '" << join(subcommands, " ")
            << "'; return; fi\n";
    if (!valueCases.empty())
        out << "        case $prev in\n" << valueCases << "        esac\n";
    out << "        if [[ $cur == -* ]]; then _kelvane_cli_words '" << join(flags, " ") << "'; return; fi\n"
        << "        " << completionCode(positional) << " ;;\n";
}

} // namespace

void printBashCompletion(std::ostream& out, const std::vector<Command>& commands) {
    std::vector<std::string> names;
    for (const Command& command : commands)
        names.push_back(command.name);
    std::vector<std::string> programFlags;
    for (const HelpLine& line : programOptions())
        for (const std::string& flag : splitTerm(line.term).flags)
            programFlags.push_back(flag);
    std::vector<std::string> settings;
    for (std::string_view name : settingNames())
        settings.emplace_back(name);
    // The model-wide material commands of --set.
    settings.emplace_back("materialDefaults");
    settings.emplace_back("addMaterial");
    std::vector<std::string> fields;
    for (std::string_view name : sectionFieldNames())
        fields.emplace_back(name);

    out << "# bash completion for kelvane-cli (written by kelvane-cli --bash-completion)\n"
        << "_kelvane_cli_words() {\n"
        << "    local IFS=$'\\n'\n"
        << "    COMPREPLY=($(IFS=' ' compgen -W \"$1\" -- \"$cur\"))\n"
        << "}\n"
        << "# Folders, and the files ending in one of the given extensions.\n"
        << "_kelvane_cli_files() {\n"
        << "    local IFS=$'\\n' extension\n"
        << "    compopt -o filenames 2>/dev/null\n"
        << "    COMPREPLY=($(compgen -d -- \"$cur\"))\n"
        << "    for extension in \"$@\"; do\n"
        << "        COMPREPLY+=($(compgen -f -X \"!*.$extension\" -- \"$cur\"))\n"
        << "    done\n"
        << "}\n"
        << "# NAME= for a setting, section. then section.K.FIELD= for a frame section field.\n"
        << "_kelvane_cli_settings() {\n"
        << "    local IFS=$'\\n' field\n"
        << "    compopt -o nospace 2>/dev/null\n"
        << "    if [[ $cur =~ ^section\\.[0-9]+\\. ]]; then\n"
        << "        local section=${BASH_REMATCH[0]}\n"
        << "        for field in " << join(fields, " ") << "; do\n"
        << "            [[ \"$section$field=\" == \"$cur\"* ]] && COMPREPLY+=(\"$section$field=\")\n"
        << "        done\n"
        << "        return\n"
        << "    fi\n"
        << "    COMPREPLY=($(IFS=' ' compgen -W \"" << join(settings, " ") << " section.\" -- \"$cur\"))\n"
        << "    local i\n"
        << "    for i in \"${!COMPREPLY[@]}\"; do\n"
        << "        [[ ${COMPREPLY[i]} == section. ]] || COMPREPLY[i]=\"${COMPREPLY[i]}=\"\n"
        << "    done\n"
        << "}\n"
        << "_kelvane_cli() {\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        << "    COMPREPLY=()\n"
        << "    if ((COMP_CWORD == 1)); then\n"
        << "        _kelvane_cli_words '" << join(names, " ") << " help " << join(programFlags, " ") << "'\n"
        << "        return\n"
        << "    fi\n"
        << "    case ${COMP_WORDS[1]} in\n"
        << "    help) ((COMP_CWORD == 2)) && _kelvane_cli_words '" << join(names, " ") << "' ;;\n";
    for (const Command& command : commands)
        printCommandCase(out, command);
    out << "    esac\n"
        << "}\n"
        << "complete -F _kelvane_cli kelvane-cli\n";
}

} // namespace kelvane::cli
