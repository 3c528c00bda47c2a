#include "script/block_writers.h"
#include "script/node_dofs.h"

namespace kelvane {

void writeEqualDofBlock(const ScriptInput& in, ScriptWriter& out) {
    out.text("puts \"Equal DOF\"");
    for (const EqualDofTie& tie : equalDofTies(in.store))
        out.line("equalDOF %d %d 1 2 3", {tie.retained, tie.constrained});
}

} // namespace kelvane
