#include "model/coordinate_rounding.h"
#include "model/table_reader.h"
#include "model/table_readers.h"

namespace kelvane {

// Joint k is the k-th data line; its label (field 0) is not read.
void readJointTable(ModelStore& store, const TableIndex& tables) {
    TableReader table(store, tables, "JOINT");
    const long long count = table.dataLineCount();
    sizeTableArray(store.nodes, count);
    store.nodeCount = static_cast<std::int32_t>(count);
    int k = 1;
    for (int line = table.firstLine(); line < table.endLine(); ++line, ++k) {
        table.tokenize(line);
        TNODE& node = store.nodes[static_cast<std::size_t>(k)];
        node.x = roundToTenth(table.realField(2));
        node.y = roundToTenth(table.realField(4));
        node.z = roundToTenth(table.realField(6));
        node.tiedTo = 0;
        node.restraint.fill(0);
    }
}

} // namespace kelvane
