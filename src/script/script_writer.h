#pragma once

#include "common/text_file.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Builds script lines from printf-like templates, so that every line reads in the code exactly as
// it reads in the script. Placeholders: "%d" and "%D" integers; "%s" and "%S" strings;
// "%0.nE" and "%0.ne" scientific with n significant digits; "%0.nF" and "%0.nf" fixed with n
// decimals; "%R" the shortest text that reads back as the same double (the values that describe
// the model: coordinates, properties, masses, loads). Everything else is copied as it stands, blanks
// included.
namespace kelvane {

using ScriptLines = std::vector<std::string>;

class ScriptArg {
  public:
    enum class Kind { Integer, Real, Text };
    ScriptArg(std::int32_t value) : kind_(Kind::Integer), integer_(value) {}
    ScriptArg(std::int64_t value) : kind_(Kind::Integer), integer_(value) {}
    ScriptArg(double value) : kind_(Kind::Real), real_(value) {}
    ScriptArg(std::string_view value) : kind_(Kind::Text), text_(value) {}
    ScriptArg(const std::string& value) : kind_(Kind::Text), text_(value) {}
    ScriptArg(const char* value) : kind_(Kind::Text), text_(value) {}

    Kind kind() const { return kind_; }
    std::int64_t integer() const { return integer_; }
    double real() const { return real_; }
    std::string_view text() const { return text_; }

  private:
    Kind kind_;
    std::int64_t integer_ = 0;
    double real_ = 0;
    std::string_view text_;
};

// Appends the filled template to `out`. A placeholder without a matching argument, an argument of
// the wrong kind or an argument left over is a programming error (std::logic_error).
void appendTemplate(std::string& out, std::string_view lineTemplate, std::initializer_list<ScriptArg> args);

// Appends lines to a script under construction: either to a list of lines, or streamed into a
// file, every line followed by CR LF, through a buffer of its own (no allocation per line and no
// copy of the whole script in memory; flush() writes what the buffer holds at the end).
// The languages a script is printed in: the Tcl of the OpenSees interpreter, or Python for
// OpenSeesPy. Both come from the same commands (python_command.h says how a command reads in Python).
enum class ScriptLanguage { Tcl, Python };

class ScriptWriter {
  public:
    explicit ScriptWriter(ScriptLines& lines, ScriptLanguage language = ScriptLanguage::Tcl)
        : lines_(&lines), language_(language) {}
    explicit ScriptWriter(AtomicFile& file, ScriptLanguage language = ScriptLanguage::Tcl)
        : file_(&file), language_(language) {}

    ScriptLanguage language() const { return language_; }

    // A fixed command line: in Tcl copied as it stands (no placeholders are interpreted).
    void text(std::string_view line);
    // A command built from a template and its values.
    void line(std::string_view lineTemplate, std::initializer_list<ScriptArg> args);
    // Lines of a procedure's own logic (variables, loops, files), which each language writes its
    // own way: each printer writes its lines as they stand.
    void script(std::initializer_list<std::string_view> tcl, std::initializer_list<std::string_view> python);
    void script(const std::string_view* tcl, std::size_t tclCount, const std::string_view* python,
                std::size_t pythonCount);
    // One such line with values, each language's template filled with the same values.
    void scriptLine(std::string_view tclTemplate, std::string_view pythonTemplate,
                    std::initializer_list<ScriptArg> args);
    // A comment naming the block that follows. The Tcl script names its blocks with puts lines and
    // carries no comment of its own.
    void blockComment(std::string_view text);
    void flush();

  private:
    void writeLine(std::string_view line);
    void lineStreamed(std::size_t pendingSize);

    ScriptLines* lines_ = nullptr;
    AtomicFile* file_ = nullptr;
    ScriptLanguage language_ = ScriptLanguage::Tcl;
    std::vector<std::string> pythonLines_; // reused by every Python command
    std::string pending_;                  // room for the lines not yet written to the file
    std::size_t pendingSize_ = 0;          // how much of `pending_` they fill
    std::string scratch_;                  // reused by every line
};

} // namespace kelvane
