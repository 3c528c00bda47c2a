#include "model/table_reader.h"
#include "model/table_readers.h"

namespace kelvane {

// One solid per data line: "  label  J=j1,...,j8  SEC=number". On each face the file lists the
// third corner opposite the second; the store keeps ring order (j4 before j3, j8 before j7).
void readSolidTable(ModelStore& store, const TableIndex& tables) {
    TableReader table(store, tables, "SOLID");
    const long long count = table.dataLineCount();
    sizeTableArray(store.solids, count);
    store.solidCount = static_cast<std::int32_t>(count);
    int k = 1;
    for (int line = table.firstLine(); line < table.endLine(); ++line, ++k) {
        table.tokenize(line);
        TSOLID& solid = store.solids[static_cast<std::size_t>(k)];
        solid.node1 = table.jointField(2);
        solid.node2 = table.jointField(3);
        solid.node4 = table.jointField(4);
        solid.node3 = table.jointField(5);
        solid.node5 = table.jointField(6);
        solid.node6 = table.jointField(7);
        solid.node8 = table.jointField(8);
        solid.node7 = table.jointField(9);
        solid.section = table.intField(11);
    }
}

} // namespace kelvane
