#include "tcl/block_writers.h"
#include "tcl/node_dofs.h"

namespace kelvane {

void writeEqualDofBlock(const ScriptInput& in, ScriptWriter& out) {
    out.text("puts \"Equal DOF\"");
    for (const EqualDofTie& tie : equalDofTies(in.store))
        out.line("equalDOF %d %d 1 2 3", {tie.retained, tie.constrained});
}

} // namespace kelvane
