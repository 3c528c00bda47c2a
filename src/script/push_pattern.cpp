#include "common/error.h"
#include "script/modal_loads.h"
#include "script/modal_participation.h"

#include <string>

namespace kelvane {
namespace {

constexpr int kModesSearched = 12; // modes among which the push mode has the largest mass

constexpr std::string_view kLargestMode[] = {
    "set pushMode 1",
    "for {set mode 2} {$mode <= $nModes} {incr mode} {",
    "    if {[lindex $massRatios [expr {$mode - 1}]] > [lindex $massRatios [expr {$pushMode - 1}]]} {set "
    "pushMode "
    "$mode}",
    "}",
};
constexpr std::string_view kLargestModePython[] = {
    "pushMode = 1 + max(range(nModes), key=lambda mode: massRatios[mode])",
};

} // namespace

void writePushPattern(const ScriptInput& in, ScriptWriter& out, std::int32_t tag) {
    const AnalysisSettings& a = in.analysis;
    if (a.controlDof < 1 || a.controlDof > 3)
        fail("A pushover with the masses pushes along X, Y or Z: controlDof is " +
             std::to_string(a.controlDof));
    const int dof = a.controlDof;
    writeMassNodes(in, out, dof);
    if (a.pushPattern == PushFirstMode) {
        writeEigenModes(in, out, kModesSearched, "A first-mode push pattern");
        writeMassRatios(out, dof);
        out.script(kLargestMode, std::size(kLargestMode), kLargestModePython, std::size(kLargestModePython));
        out.scriptLine("set pushScale [nodeEigenvector %d $pushMode %d]",
                       "pushScale = ops.nodeEigenvector(%d, pushMode, %d)", {a.controlNode, dof});
        out.scriptLine(
            "if {$pushScale == 0} {error \"Mode $pushMode does not move control joint %d along degree "
            "of freedom %d\"}",
            "if pushScale == 0:\n    raise RuntimeError('Mode ' + str(pushMode) + ' does not move "
            "control joint %d along degree of freedom %d')",
            {a.controlNode, dof});
        out.script({"puts \"Push pattern: mass x the shape of mode $pushMode\""},
                   {"print('Push pattern: mass x the shape of mode ' + str(pushMode))"});
    } else {
        out.script({"puts \"Push pattern: uniform, the masses\""},
                   {"print('Push pattern: uniform, the masses')"});
    }
    out.line("pattern Plain %D Linear {", {tag});
    out.scriptLine("foreach node $massNodes {", "for node in massNodes:", {});
    out.scriptLine("    set values [lrepeat %d 0.0]", "    values = [0.0] * %d", {in.dofsPerNode});
    if (a.pushPattern == PushFirstMode)
        out.scriptLine(
            "    lset values %d [expr {[lindex $nodeMasses($node) %d]*[nodeEigenvector $node $pushMode "
            "%d]/$pushScale}]",
            "    values[%d] = nodeMasses[node][%d] * ops.nodeEigenvector(node, pushMode, %d) / pushScale",
            {dof - 1, dof - 1, dof});
    else
        out.scriptLine("    lset values %d [lindex $nodeMasses($node) %d]",
                       "    values[%d] = nodeMasses[node][%d]", {dof - 1, dof - 1});
    out.script({"    load $node {*}$values", "}", "}"}, {"    ops.load(node, *values)"});
}

} // namespace kelvane
