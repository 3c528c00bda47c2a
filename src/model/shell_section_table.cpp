#include "model/name_lookup.h"
#include "model/table_reader.h"
#include "model/table_readers.h"

namespace kelvane {

// Only lines carrying "Shell" in field 6 become sections, packed at 1..k; the count is the number
// of data lines, so entries after k stay zero-filled.
void readShellSectionTable(ModelStore& store, const TableIndex& tables, const ColourTable& colours) {
    TableReader table(store, tables, "SHELL SECTION");
    const long long count = table.dataLineCount();
    sizeTableArray(store.shellSections, count);
    store.shellSectionCount = static_cast<std::int32_t>(count);
    int k = 0;
    for (int line = table.firstLine(); line < table.endLine(); ++line) {
        table.tokenize(line);
        if (!table.fieldIs(6, "Shell"))
            continue;
        ++k;
        TAREASEC& section = store.shellSections[static_cast<std::size_t>(k)];
        section.name = table.field(1);
        section.materialName = table.field(3);
        section.material = findMaterial(store, section.materialName);
        section.colour = sectionColour(colours, k);
        section.isShell = 1;
        section.thickness = table.realField(9);
    }
}

} // namespace kelvane
