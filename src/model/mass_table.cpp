#include "model/table_reader.h"
#include "model/table_readers.h"

namespace kelvane {

// Lines "  ADD=joint  U1=m  U2=m  U3=m": each translational mass is stored only when its key
// stands at its place; a later line for the same joint overwrites the components it carries.
void readMassTable(ModelStore& store, const TableIndex& tables) {
    TableReader table(store, tables, "MASS");
    for (int line = table.firstLine(); line < table.endLine(); ++line) {
        table.tokenize(line);
        TNODE& node = store.nodes[static_cast<std::size_t>(table.jointField(1))];
        if (table.fieldIs(2, "U1"))
            node.mass[1] = table.realField(3);
        if (table.fieldIs(4, "U2"))
            node.mass[2] = table.realField(5);
        if (table.fieldIs(6, "U3"))
            node.mass[3] = table.realField(7);
    }
}

} // namespace kelvane
