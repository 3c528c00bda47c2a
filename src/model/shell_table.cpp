#include "model/name_lookup.h"
#include "model/table_reader.h"
#include "model/table_readers.h"

namespace kelvane {

// One area per data line: "  label  J=j1,j2,j3,j4  SEC=name". The file lists the corners so that
// j3 is opposite j2; the store keeps them in ring order j1, j2, j4, j3.
void readShellTable(ModelStore& store, const TableIndex& tables) {
    TableReader table(store, tables, "SHELL");
    const long long count = table.dataLineCount();
    sizeTableArray(store.shells, count);
    store.areaCount = static_cast<std::int32_t>(count);
    int k = 1;
    for (int line = table.firstLine(); line < table.endLine(); ++line, ++k) {
        table.tokenize(line);
        TSHELL& area = store.shells[static_cast<std::size_t>(k)];
        area.node1 = table.jointField(2);
        area.node2 = table.jointField(3);
        area.node4 = table.jointField(4);
        area.node3 = table.jointField(5);
        area.sectionName = table.field(7);
        area.section = findShellSection(store, area.sectionName);
    }

    std::int32_t shells = 0;
    for (std::int32_t a = 1; a <= countOf(store.areaCount); ++a) {
        const std::int32_t section = store.shells[static_cast<std::size_t>(a)].section;
        if (section > 0 && store.shellSections[static_cast<std::size_t>(section)].isShell == 1)
            ++shells;
    }
    store.shellCount = shells;
}

} // namespace kelvane
