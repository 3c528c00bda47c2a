#include "script/block_writers.h"
#include "script/node_dofs.h"

#include <string>

namespace kelvane {

void writeEqualDofBlock(const ScriptInput& in, ScriptWriter& out) {
    out.text("puts \"Equal DOF\"");
    for (const EqualDofTie& tie : equalDofTies(in.store))
        out.line("equalDOF %d %d 1 2 3", {tie.retained, tie.constrained});
    for (const TEQUAL& tie : in.store.equalTies) {
        std::string dofs;
        for (std::size_t d = 1; d <= 6; ++d)
            if (tie.dofs[d] != 0 && static_cast<int>(d) <= in.dofsPerNode)
                dofs += (dofs.empty() ? "" : " ") + std::to_string(d);
        if (!dofs.empty())
            out.line("equalDOF %d %d %s", {tie.retained, tie.constrained, dofs});
    }
}

} // namespace kelvane
