#include "script/modal_participation.h"

#include "common/error.h"
#include "script/node_dofs.h"

#include <string>

namespace kelvane {

void writeEigenModes(const ScriptInput& in, ScriptWriter& out, int modes, std::string_view purpose) {
    const EigenRequest eigen = eigenRequest(in.store, in.analysis.genMass, in.dofsPerNode, modes);
    if (eigen.modes < 1)
        fail(std::string(purpose) +
             " needs the modes of the model, which has no free degree of freedom with mass");
    out.scriptLine("set nModes %d", "nModes = %d", {eigen.modes});
    if (eigen.dense)
        out.script({"set lambdaN [eigen -fullGenLapack $nModes]"},
                   {"lambdaN = ops.eigen('-fullGenLapack', nModes)"});
    else
        out.script({"set lambdaN [eigen $nModes]"}, {"lambdaN = ops.eigen(nModes)"});
}

void writeMassNodes(const ScriptInput& in, ScriptWriter& out, int direction) {
    out.script({"set massNodes {}", "foreach node [getNodeTags] {", "    set masses {}", "    set sum 0.0"},
               {"massNodes = []", "nodeMasses = {}", "for node in ops.getNodeTags():"});
    out.scriptLine("    for {set dof 1} {$dof <= %d} {incr dof} {",
                   "    masses = [ops.nodeMass(node, dof) for dof in range(1, %d + 1)]", {in.dofsPerNode});
    out.script(
        {
            "        set mass [nodeMass $node $dof]",
            "        lappend masses $mass",
            "        set sum [expr {$sum + $mass}]",
            "    }",
            "    if {$sum > 0} {lappend massNodes $node; set nodeMasses($node) $masses}",
            "}",
            "set totalMass 0.0",
        },
        {
            "    if sum(masses) > 0:",
            "        massNodes.append(node)",
            "        nodeMasses[node] = masses",
        });
    out.scriptLine(
        "foreach node $massNodes {set totalMass [expr {$totalMass + [lindex $nodeMasses($node) %d]}]}",
        "totalMass = sum(nodeMasses[node][%d] for node in massNodes)", {direction - 1});
    out.scriptLine(
        "if {$totalMass <= 0} {error \"The model has no mass along degree of freedom %d\"}",
        "if totalMass <= 0:\n    raise RuntimeError('The model has no mass along degree of freedom %d')",
        {direction});
}

void writeMassRatios(ScriptWriter& out, int direction) {
    out.script(
        {
            "set massRatios {}",
            "for {set mode 1} {$mode <= $nModes} {incr mode} {",
            "    set participation 0.0",
            "    set modalMass 0.0",
            "    foreach node $massNodes {",
            "        set shape [nodeEigenvector $node $mode]",
            "        foreach mass $nodeMasses($node) phi $shape {set modalMass [expr {$modalMass + "
            "$mass*$phi*$phi}]}",
        },
        {
            "massRatios = []",
            "for mode in range(1, nModes + 1):",
            "    participation = 0.0",
            "    modalMass = 0.0",
            "    for node in massNodes:",
            "        shape = ops.nodeEigenvector(node, mode)",
            "        masses = nodeMasses[node]",
            "        modalMass += sum(mass * phi * phi for mass, phi in zip(masses, shape))",
        });
    out.scriptLine("        set participation [expr {$participation + [lindex $nodeMasses($node) %d]*[lindex "
                   "$shape %d]}]",
                   "        participation += masses[%d] * shape[%d]", {direction - 1, direction - 1});
    out.script(
        {"    }", "    lappend massRatios [expr {$participation*$participation/$modalMass/$totalMass}]", "}"},
        {"    massRatios.append(participation * participation / modalMass / totalMass)"});
}

} // namespace kelvane
