#pragma once

#include "script/script_writer.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The OpenSeesPy form of one script command, printed from the same template and values as its Tcl
// line: "node %D %0.4E %0.4E %0.4E" with 1, 0, 3000, -1500 gives
// "ops.node(1, 0.000E+000, 3.000E+003, -1.500E+003)". A word made of a number placeholder is that
// number in the template's format; a word of literal text is a number when it reads as one, else a
// string; a word that mixes text and values, or a "quoted" word, is a string; a %s value is split
// into its words, each taken as literal text. A trailing ";" is dropped, a trailing "{" opens the
// block the following commands belong to (OpenSeesPy adds them to the section or pattern defined
// last), a line "}" closes it and prints nothing. `puts "TEXT"` prints TEXT, a line starting with
// "#" stays a comment.
//
// Where OpenSeesPy wants another form the Tcl interpreter also takes the Tcl one, the commands
// differ:
//   pattern Plain TAG Linear {      ops.timeSeries('Linear', TAG) and ops.pattern('Plain', TAG, TAG)
//   element dispBeamColumn T I J N S X
//                                   ops.beamIntegration('Lobatto', T, S, N) and
//                                   ops.element('dispBeamColumn', T, I, J, X, T)
// (OpenSeesPy names a pattern's series by tag, and its displacement-based element takes a beam
// integration object; the Tcl interpreter takes both older forms, and integrates the older
// displacement-based element with Gauss-Lobatto, sections at its ends.)
namespace kelvane {

// Appends the Python lines of the command. With `templated` false the line is fixed text: a "%" in
// it is no placeholder.
void appendPythonCommand(std::vector<std::string>& lines, std::string_view lineTemplate,
                         std::initializer_list<ScriptArg> args, bool templated = true);

// A Python string literal of the text, in single quotes.
std::string pythonString(std::string_view text);

} // namespace kelvane
