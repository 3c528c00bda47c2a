#include "script/script_writer.h"

#include "common/number_format.h"
#include "script/python_command.h"
#include "script/script_number_format.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace kelvane {
namespace {

[[noreturn, gnu::cold, gnu::noinline]] void templateMismatch(const char* what,
                                                             std::string_view lineTemplate) {
    throw std::logic_error(std::string(what) + " the template \"" + std::string(lineTemplate) + "\"");
}

inline const ScriptArg& nextArg(const ScriptArg*& next, const ScriptArg* end, ScriptArg::Kind kind,
                                std::string_view lineTemplate) {
    if (next == end)
        templateMismatch("too few values for", lineTemplate);
    if (next->kind() != kind)
        templateMismatch("a value of the wrong kind for", lineTemplate);
    return *next++;
}

// Collects one line at position `start` of a buffer that only grows: its size is room, not
// content. A script of a million lines thus costs no reallocation while a line is built.
class LineBuffer {
  public:
    explicit LineBuffer(std::string& storage, std::size_t start = 0)
        : storage_(storage), start_(start), used_(start) {
        if (storage_.size() < start + 256)
            storage_.resize(start + 256);
    }
    void text(std::string_view piece) {
        if (piece.empty())
            return; // an empty view may have no data at all, which memcpy must not be given
        std::memcpy(room(piece.size()), piece.data(), piece.size());
        used_ += piece.size();
    }
    void integer(std::int64_t value) {
        char* at = room(24);
        used_ += static_cast<std::size_t>(std::to_chars(at, at + 24, value).ptr - at);
    }
    void scientific(double value, int digits) {
        if (const std::size_t length = writeScientificFast(room(kFastNumberRoom), value, digits)) {
            used_ += length;
            return;
        }
        text(formatE(value, digits));
    }
    void roundTrip(double value) {
        if (value == 0.0 || !std::isfinite(value)) {
            std::string text;
            appendRoundTrip(text, value);
            this->text(text);
            return;
        }
        constexpr std::size_t kRoom = 32; // the longest shortest form of a double is 24 characters
        char* at = room(kRoom);
        used_ += static_cast<std::size_t>(
            std::to_chars(at, at + kRoom, value, std::chars_format::general).ptr - at);
    }
    void fixed(double value, int decimals) {
        if (const std::size_t length = writeFixedFast(room(kFastNumberRoom), value, decimals)) {
            used_ += length;
            return;
        }
        text(formatF(value, decimals));
    }
    // Copies template text up to the next placeholder; returns where the copy stopped.
    std::size_t literal(std::string_view lineTemplate, std::size_t from) {
        char* at = room(lineTemplate.size() - from);
        std::size_t i = from;
        while (i < lineTemplate.size() && lineTemplate[i] != '%')
            *at++ = lineTemplate[i++];
        used_ += i - from;
        return i;
    }
    std::string_view line() const { return {storage_.data() + start_, used_ - start_}; }
    // Where the next line starts.
    std::size_t end() const { return used_; }

  private:
    char* room(std::size_t size) {
        if (used_ + size > storage_.size())
            storage_.resize(2 * (used_ + size));
        return storage_.data() + used_;
    }

    std::string& storage_;
    std::size_t start_;
    std::size_t used_;
};

void fillTemplate(LineBuffer& out, std::string_view lineTemplate, std::initializer_list<ScriptArg> args) {
    const ScriptArg* next = args.begin();
    const ScriptArg* end = args.end();
    std::size_t i = 0;
    while (i < lineTemplate.size()) {
        const std::size_t percent = out.literal(lineTemplate, i);
        if (percent == lineTemplate.size())
            break;
        std::size_t k = percent + 1;
        int digits = -1;
        if (k + 2 < lineTemplate.size() && lineTemplate[k] == '0' && lineTemplate[k + 1] == '.') {
            digits = lineTemplate[k + 2] - '0';
            k += 3;
        }
        if (k >= lineTemplate.size())
            templateMismatch("an unfinished placeholder in", lineTemplate);
        const char conversion = lineTemplate[k];
        if ((conversion == 'd' || conversion == 'D') && digits < 0) {
            out.integer(nextArg(next, end, ScriptArg::Kind::Integer, lineTemplate).integer());
        } else if ((conversion == 's' || conversion == 'S') && digits < 0) {
            out.text(nextArg(next, end, ScriptArg::Kind::Text, lineTemplate).text());
        } else if ((conversion == 'E' || conversion == 'e') && digits >= 1 && digits <= 9) {
            out.scientific(nextArg(next, end, ScriptArg::Kind::Real, lineTemplate).real(), digits);
        } else if (conversion == 'R' && digits < 0) {
            out.roundTrip(nextArg(next, end, ScriptArg::Kind::Real, lineTemplate).real());
        } else if ((conversion == 'F' || conversion == 'f') && digits >= 0 && digits <= 9) {
            out.fixed(nextArg(next, end, ScriptArg::Kind::Real, lineTemplate).real(), digits);
        } else {
            templateMismatch("an unknown placeholder in", lineTemplate);
        }
        i = k + 1;
    }
    if (next != end)
        templateMismatch("too many values for", lineTemplate);
}

} // namespace

void appendTemplate(std::string& out, std::string_view lineTemplate, std::initializer_list<ScriptArg> args) {
    std::string storage;
    LineBuffer buffer(storage);
    fillTemplate(buffer, lineTemplate, args);
    out.append(buffer.line());
}

void ScriptWriter::writeLine(std::string_view line) {
    if (lines_) {
        lines_->emplace_back(line);
        return;
    }
    LineBuffer buffer(pending_, pendingSize_);
    buffer.text(line);
    buffer.text("\r\n");
    lineStreamed(buffer.end());
}

void ScriptWriter::script(std::initializer_list<std::string_view> tcl,
                          std::initializer_list<std::string_view> python) {
    script(tcl.begin(), tcl.size(), python.begin(), python.size());
}

void ScriptWriter::script(const std::string_view* tcl, std::size_t tclCount, const std::string_view* python,
                          std::size_t pythonCount) {
    const bool isTcl = language_ == ScriptLanguage::Tcl;
    const std::string_view* lines = isTcl ? tcl : python;
    const std::size_t count = isTcl ? tclCount : pythonCount;
    for (std::size_t i = 0; i < count; ++i)
        writeLine(lines[i]);
}

void ScriptWriter::scriptLine(std::string_view tclTemplate, std::string_view pythonTemplate,
                              std::initializer_list<ScriptArg> args) {
    if (language_ == ScriptLanguage::Tcl) {
        line(tclTemplate, args);
        return;
    }
    LineBuffer buffer(scratch_);
    fillTemplate(buffer, pythonTemplate, args);
    writeLine(buffer.line());
}

void ScriptWriter::blockComment(std::string_view text) {
    if (language_ == ScriptLanguage::Python)
        writeLine("# " + std::string(text));
}

void ScriptWriter::text(std::string_view line) {
    if (language_ == ScriptLanguage::Python) {
        pythonLines_.clear();
        appendPythonCommand(pythonLines_, line, {}, false);
        for (const std::string& python : pythonLines_)
            writeLine(python);
        return;
    }
    writeLine(line);
}

void ScriptWriter::line(std::string_view lineTemplate, std::initializer_list<ScriptArg> args) {
    if (language_ == ScriptLanguage::Python) {
        pythonLines_.clear();
        appendPythonCommand(pythonLines_, lineTemplate, args);
        for (const std::string& python : pythonLines_)
            writeLine(python);
        return;
    }
    if (lines_) {
        LineBuffer buffer(scratch_);
        fillTemplate(buffer, lineTemplate, args);
        lines_->emplace_back(buffer.line());
        return;
    }
    // Built in place at the end of the pending text; a line that fails half-way is not counted.
    LineBuffer buffer(pending_, pendingSize_);
    fillTemplate(buffer, lineTemplate, args);
    buffer.text("\r\n");
    lineStreamed(buffer.end());
}

void ScriptWriter::lineStreamed(std::size_t pendingSize) {
    constexpr std::size_t kFlushSize = 1 << 20;
    pendingSize_ = pendingSize;
    if (pendingSize_ >= kFlushSize)
        flush();
}

void ScriptWriter::flush() {
    if (!file_)
        return;
    file_->write({pending_.data(), pendingSize_});
    pendingSize_ = 0;
}

} // namespace kelvane
