#include "script/python_command.h"

#include "common/number_format.h"
#include "common/number_parse.h"

#include <algorithm>

#include <stdexcept>

namespace kelvane {
namespace {

struct Word {
    std::string text;
    bool number = false; // written as a Python number, else as a string
};

bool isPlaceholderStart(std::string_view text, std::size_t i) {
    return text[i] == '%';
}

// The length of the placeholder at text[i] ('%'): "%d", "%s", "%0.4E", ...
std::size_t placeholderLength(std::string_view text, std::size_t i) {
    std::size_t k = i + 1;
    if (k + 2 < text.size() && text[k] == '0' && text[k + 1] == '.')
        k += 3;
    if (k >= text.size())
        throw std::logic_error("an unfinished placeholder in \"" + std::string(text) + "\"");
    return k + 1 - i;
}

// The template's words: runs of characters between blanks, a "quoted" run being one word.
std::vector<std::string_view> templateWords(std::string_view lineTemplate, std::vector<bool>& quoted) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < lineTemplate.size()) {
        if (lineTemplate[i] == ' ') {
            ++i;
            continue;
        }
        if (lineTemplate[i] == '"') {
            const std::size_t close = lineTemplate.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? lineTemplate.size() : close;
            words.push_back(lineTemplate.substr(i + 1, end - i - 1));
            quoted.push_back(true);
            i = end + 1;
            continue;
        }
        const std::size_t end = std::min(lineTemplate.find(' ', i), lineTemplate.size());
        words.push_back(lineTemplate.substr(i, end - i));
        quoted.push_back(false);
        i = end;
    }
    return words;
}

bool readsAsNumber(std::string_view text) {
    // Python takes no leading zeros on an integer ("007"); Tcl's literal words never have them.
    return !text.empty() && tryParseReal(text).has_value();
}

// The word with its values put in, formatted as the Tcl line formats them.
std::string filledWord(std::string_view word, const ScriptArg* values, bool templated) {
    std::string text;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (!templated || !isPlaceholderStart(word, i)) {
            text += word[i];
            continue;
        }
        const std::size_t length = placeholderLength(word, i);
        const char conversion = word[i + length - 1];
        const int digits = length == 5 ? word[i + 3] - '0' : -1;
        const ScriptArg& value = *values++;
        const ScriptArg::Kind wanted = conversion == 'd' || conversion == 'D'   ? ScriptArg::Kind::Integer
                                       : conversion == 's' || conversion == 'S' ? ScriptArg::Kind::Text
                                                                                : ScriptArg::Kind::Real;
        if (value.kind() != wanted)
            throw std::logic_error("a value of the wrong kind for the word \"" + std::string(word) + "\"");
        if (conversion == 'd' || conversion == 'D')
            appendInt(text, value.integer());
        else if (conversion == 's' || conversion == 'S')
            text += value.text();
        else if (conversion == 'E' || conversion == 'e')
            appendE(text, value.real(), digits);
        else if (conversion == 'R')
            appendRoundTrip(text, value.real());
        else
            appendF(text, value.real(), digits);
        i += length - 1;
    }
    return text;
}

std::size_t placeholderCount(std::string_view word, bool templated) {
    if (!templated)
        return 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (isPlaceholderStart(word, i)) {
            i += placeholderLength(word, i) - 1;
            ++count;
        }
    return count;
}

// The words of the filled command, each with its kind.
std::vector<Word> commandWords(std::string_view lineTemplate, std::initializer_list<ScriptArg> args,
                               bool templated) {
    std::vector<bool> quoted;
    const std::vector<std::string_view> words = templateWords(lineTemplate, quoted);
    const ScriptArg* next = args.begin();
    std::vector<Word> result;
    for (std::size_t w = 0; w < words.size(); ++w) {
        const std::string_view word = words[w];
        const std::size_t placeholders = placeholderCount(word, templated);
        if (static_cast<std::size_t>(args.end() - next) < placeholders)
            throw std::logic_error("too few values for the template \"" + std::string(lineTemplate) + "\"");
        const std::string text = filledWord(word, next, templated);
        const bool wholePlaceholder =
            placeholders == 1 && word.front() == '%' && placeholderLength(word, 0) == word.size();
        if (quoted[w]) {
            result.push_back({text, false});
        } else if (wholePlaceholder && next->kind() == ScriptArg::Kind::Text) {
            // A text value is literal words: a name, or a list of joint numbers.
            std::size_t i = 0;
            while (i < text.size()) {
                const std::size_t start = text.find_first_not_of(' ', i);
                if (start == std::string::npos)
                    break;
                const std::size_t end = std::min(text.find(' ', start), text.size());
                const std::string piece = text.substr(start, end - start);
                result.push_back({piece, readsAsNumber(piece)});
                i = end;
            }
        } else {
            result.push_back({text, wholePlaceholder || (placeholders == 0 && readsAsNumber(text))});
        }
        next += placeholders;
    }
    if (next != args.end())
        throw std::logic_error("too many values for the template \"" + std::string(lineTemplate) + "\"");
    return result;
}

std::string argument(const Word& word) {
    return word.number ? word.text : pythonString(word.text);
}

std::string call(std::string_view command, const std::vector<Word>& arguments, std::size_t first = 0) {
    std::string line = "ops.";
    line += command;
    line += '(';
    for (std::size_t i = first; i < arguments.size(); ++i) {
        if (i > first)
            line += ", ";
        line += argument(arguments[i]);
    }
    line += ')';
    return line;
}

} // namespace

std::string pythonString(std::string_view text) {
    std::string literal = "'";
    for (const char c : text) {
        if (c == '\\' || c == '\'')
            literal += '\\';
        literal += c;
    }
    literal += '\'';
    return literal;
}

void appendPythonCommand(std::vector<std::string>& lines, std::string_view lineTemplate,
                         std::initializer_list<ScriptArg> args, bool templated) {
    std::string_view trimmed = lineTemplate;
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.remove_suffix(1);
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    if (trimmed.empty()) {
        lines.emplace_back();
        return;
    }
    if (trimmed == "}")
        return;
    if (trimmed.front() == '#') {
        std::string comment;
        if (templated)
            appendTemplate(comment, trimmed, args);
        else
            comment = trimmed;
        lines.push_back(comment);
        return;
    }
    if (trimmed.back() == ';' || trimmed.back() == '{') {
        trimmed.remove_suffix(1);
        while (!trimmed.empty() && trimmed.back() == ' ')
            trimmed.remove_suffix(1);
    }
    std::vector<Word> words = commandWords(trimmed, args, templated);
    const std::string& command = words.front().text;
    if (command == "puts" && words.size() == 2) {
        lines.push_back("print(" + pythonString(words[1].text) + ")");
        return;
    }
    // "pattern Plain TAG Linear [-fact FACTOR]": the series takes the pattern's tag.
    if (command == "pattern" && (words.size() == 4 || (words.size() == 6 && words[4].text == "-fact")) &&
        words[1].text == "Plain" && words[3].text == "Linear") {
        lines.push_back("ops.timeSeries('Linear', " + argument(words[2]) + ")");
        words[3] = words[2];
        lines.push_back(call("pattern", words, 1));
        return;
    }
    if (command == "element" && words.size() == 8 && words[1].text == "dispBeamColumn") {
        const Word& tag = words[2];
        lines.push_back("ops.beamIntegration('Lobatto', " + argument(tag) + ", " + argument(words[6]) + ", " +
                        argument(words[5]) + ")");
        const std::vector<Word> element = {words[1], tag, words[3], words[4], words[7], tag};
        lines.push_back(call("element", element));
        return;
    }
    lines.push_back(call(command, words, 1));
}

} // namespace kelvane
