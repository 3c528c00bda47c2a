#include "script/area_formulation.h"
#include "script/block_writers.h"
#include "script/store_access.h"

namespace kelvane {

void writeShellBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    const int frameCount = countOf(store.frameCount);
    out.text("puts \"shell element\"");
    // Tags follow the area index, so areas of other sections leave gaps.
    for (int i = 1; i <= countOf(store.areaCount); ++i) {
        if (sectionOfArea(store, i).isShell != 1)
            continue;
        const TSHELL& shell = store.shells[i];
        // Triangles take the solver's discrete Kirchhoff triangle, a linear shell like ShellMITC4.
        // Quadrilateral shells and membranes take ShellMITC4, whose membrane is exact under uniform
        // stress (ShellDKGQ's drilling membrane comes out 14 % soft on a 4 x 2 mesh in tension);
        // plates take ShellDKGQ, which bends as a Kirchhoff plate without membrane stiffness.
        if (shell.node4 == 0)
            out.line("element ShellDKGT %D %D %D %D %D",
                     {frameCount + i, shell.node1, shell.node2, shell.node3, 700 + shell.section});
        else
            out.line("element %s %D %D %D %D %D %D",
                     {std::string_view(quadrilateralElement(sectionOfArea(store, i))), frameCount + i,
                      shell.node1, shell.node2, shell.node3, shell.node4, 700 + shell.section});
    }
}

} // namespace kelvane
