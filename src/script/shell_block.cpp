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
        if (shell.node4 == 0)
            out.line("element ShellDKGT %D %D %D %D %D",
                     {frameCount + i, shell.node1, shell.node2, shell.node3, 700 + shell.section});
        else
            out.line("element ShellMITC4 %D %D %D %D %D %D", {frameCount + i, shell.node1, shell.node2,
                                                              shell.node3, shell.node4, 700 + shell.section});
    }
}

} // namespace kelvane
