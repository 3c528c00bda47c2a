#include "model/table_reader.h"
#include "model/table_readers.h"

#include <array>
#include <string_view>

namespace kelvane {

// Lines "  ADD=joint  DOF=U1,U2,..." set fixity flags; flags are only set, never cleared.
void readRestraintTable(ModelStore& store, const TableIndex& tables) {
    static constexpr std::array<std::string_view, 7> dofNames{"", "U1", "U2", "U3", "R1", "R2", "R3"};
    TableReader table(store, tables, "RESTRAINT");
    for (int line = table.firstLine(); line < table.endLine(); ++line) {
        table.tokenize(line);
        if (!table.fieldIs(0, "ADD"))
            continue;
        TNODE& node = store.nodes[static_cast<std::size_t>(table.jointField(1))];
        for (int n = 3; n <= 8; ++n)
            for (std::size_t dof = 1; dof < dofNames.size(); ++dof)
                if (table.field(n) == dofNames[dof])
                    node.restraint[dof] = 1;
    }
}

} // namespace kelvane
