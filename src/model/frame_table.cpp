#include "model/local_axis.h"
#include "model/name_lookup.h"
#include "model/table_reader.h"
#include "model/table_readers.h"

namespace kelvane {
namespace {

// Fields 0..19 equal to "IREL" or "JREL"; when both occur, the one further right wins.
std::int32_t releaseOf(const TableReader& table) {
    std::int32_t release = 0;
    for (int n = 0; n <= 19; ++n) {
        if (table.fieldIs(n, "JREL"))
            release = 2;
        if (table.fieldIs(n, "IREL"))
            release = 1;
    }
    return release;
}

} // namespace

// One frame per data line: "  label  J=i,j  SEC=name  NSEG=n  ANG=degrees  [IREL=...] [JREL=...]".
void readFrameTable(ModelStore& store, const TableIndex& tables) {
    TableReader table(store, tables, "FRAME");
    const long long count = table.dataLineCount();
    sizeTableArray(store.frames, count);
    store.frameCount = static_cast<std::int32_t>(count);
    int k = 1;
    for (int line = table.firstLine(); line < table.endLine(); ++line, ++k) {
        table.tokenize(line);
        TFRAME& frame = store.frames[static_cast<std::size_t>(k)];
        frame.nodeI = table.jointField(2);
        frame.nodeJ = table.jointField(3);
        frame.sectionName = table.field(5);
        frame.segments = table.intField(7);
        frame.section = findFrameSection(store, frame.sectionName);
        frame.angle = table.realField(9);
        frame.release = releaseOf(table);
        const TNODE& i = store.nodes[static_cast<std::size_t>(frame.nodeI)];
        const TNODE& j = store.nodes[static_cast<std::size_t>(frame.nodeJ)];
        const Axis2 axis = localAxis2(i.x, i.y, i.z, j.x, j.y, j.z, frame.angle);
        frame.axis2X = axis.x;
        frame.axis2Y = axis.y;
        frame.axis2Z = axis.z;
    }
}

} // namespace kelvane
