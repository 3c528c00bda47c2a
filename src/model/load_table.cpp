#include "model/table_reader.h"
#include "model/table_readers.h"

#include <string>

namespace kelvane {
namespace {

std::int32_t directionOfKey(const std::string& key) {
    if (key == "U1")
        return 1;
    if (key == "U2" || key == "UZ")
        return 2;
    if (key == "U3")
        return 3;
    return 0;
}

void readJointForce(const TableReader& table, TLOAD& load) {
    load.kind = LoadJointForce;
    load.target = table.jointField(3);
    for (int n = 4; n <= 15; ++n) {
        const std::string& key = table.field(n);
        if (key == "UX")
            load.fx = table.realField(n + 1);
        else if (key == "UY")
            load.fy = table.realField(n + 1);
        else if (key == "UZ")
            load.fz = table.realField(n + 1);
        else if (key == "RX")
            load.mx = table.realField(n + 1);
        else if (key == "RY")
            load.my = table.realField(n + 1);
        else if (key == "RZ")
            load.mz = table.realField(n + 1);
    }
}

// "      ADD=frame  RD=a,b  U2=c,d": the trapezoid's mean intensity times the loaded fraction.
void readDistributedLoad(const TableReader& table, TLOAD& load) {
    load.kind = LoadDistributed;
    load.target = table.frameField(3);
    load.direction = directionOfKey(table.field(7));
    const double start = table.realField(5);
    const double end = table.realField(6);
    const double startIntensity = table.realField(8);
    const double endIntensity = table.realField(9);
    load.fx = (end - start) * 0.5 * (startIntensity + endIntensity);
}

} // namespace

// Load cases: a NAME line, then groups of a TYPE line and its ADD lines. Every ADD line counts in
// loadCount; those of FORCE and DISTRIBUTED groups fill entries 1..r in file order, the rest of the
// entries stay empty (kind 0).
void readLoadTable(ModelStore& store, const TableIndex& tables) {
    TableReader table(store, tables, "LOAD");
    std::int32_t count = 0;
    // Counting needs field 2 only; the filling pass below splits every line in full.
    for (int line = table.firstLine(); line < table.endLine(); ++line)
        if (table.lineFieldEquals(line, 2, "ADD"))
            ++count;
    sizeTableArray(store.loads, count);
    store.loadCount = count;

    std::string caseName;
    std::int32_t cases = 0;
    std::int32_t kind = LoadNone;
    std::int32_t entries = 0;
    for (int line = table.firstLine(); line < table.endLine(); ++line) {
        table.tokenize(line);
        const bool nameLine = table.fieldIs(0, "NAME");
        if (nameLine) {
            caseName = table.field(1);
            ++cases;
            store.loadCaseNames.push_back(caseName);
        }
        // A NAME line never changes the kind: a case without a TYPE line goes on with the last one.
        if (table.fieldIs(2, "FORCE"))
            kind = LoadJointForce;
        else if (table.fieldIs(2, "DISTRIBUTED"))
            kind = LoadDistributed;
        else if (!nameLine && table.fieldIs(1, "TYPE"))
            kind = LoadNone;

        if (!table.fieldIs(2, "ADD") || kind == LoadNone)
            continue;
        TLOAD& load = store.loads[static_cast<std::size_t>(++entries)];
        load.caseName = caseName;
        if (kind == LoadJointForce)
            readJointForce(table, load);
        else
            readDistributedLoad(table, load);
    }
    store.loadCaseCount = cases;
}

} // namespace kelvane
