#include "tcl/script_writer.h"

#include "common/number_format.h"

#include <stdexcept>

namespace kelvane {
namespace {

const ScriptArg& nextArg(const ScriptArg*& next, const ScriptArg* end, ScriptArg::Kind kind,
                         std::string_view lineTemplate) {
    if (next == end)
        throw std::logic_error("too few values for the template \"" + std::string(lineTemplate) + "\"");
    if (next->kind() != kind)
        throw std::logic_error("a value of the wrong kind for the template \"" + std::string(lineTemplate) + "\"");
    return *next++;
}

} // namespace

void appendTemplate(std::string& out, std::string_view lineTemplate, std::initializer_list<ScriptArg> args) {
    const ScriptArg* next = args.begin();
    const ScriptArg* end = args.end();
    std::size_t i = 0;
    while (i < lineTemplate.size()) {
        const std::size_t percent = lineTemplate.find('%', i);
        if (percent == std::string_view::npos) {
            out.append(lineTemplate.substr(i));
            break;
        }
        out.append(lineTemplate.substr(i, percent - i));
        std::size_t k = percent + 1;
        int digits = -1;
        if (k + 2 < lineTemplate.size() && lineTemplate[k] == '0' && lineTemplate[k + 1] == '.') {
            digits = lineTemplate[k + 2] - '0';
            k += 3;
        }
        if (k >= lineTemplate.size())
            throw std::logic_error("an unfinished placeholder in \"" + std::string(lineTemplate) + "\"");
        const char conversion = lineTemplate[k];
        if ((conversion == 'd' || conversion == 'D') && digits < 0) {
            appendInt(out, nextArg(next, end, ScriptArg::Kind::Integer, lineTemplate).integer());
        } else if ((conversion == 's' || conversion == 'S') && digits < 0) {
            out.append(nextArg(next, end, ScriptArg::Kind::Text, lineTemplate).text());
        } else if ((conversion == 'E' || conversion == 'e') && digits >= 1 && digits <= 9) {
            appendE(out, nextArg(next, end, ScriptArg::Kind::Real, lineTemplate).real(), digits);
        } else if ((conversion == 'F' || conversion == 'f') && digits >= 0 && digits <= 9) {
            appendF(out, nextArg(next, end, ScriptArg::Kind::Real, lineTemplate).real(), digits);
        } else {
            throw std::logic_error("an unknown placeholder in \"" + std::string(lineTemplate) + "\"");
        }
        i = k + 1;
    }
    if (next != end)
        throw std::logic_error("too many values for the template \"" + std::string(lineTemplate) + "\"");
}

void ScriptWriter::line(std::string_view lineTemplate, std::initializer_list<ScriptArg> args) {
    std::string out;
    out.reserve(lineTemplate.size() + 8 * args.size());
    appendTemplate(out, lineTemplate, args);
    lines_.push_back(std::move(out));
}

} // namespace kelvane
