#include "model/table_reader.h"
#include "model/table_readers.h"

#include <string>
#include <vector>

namespace kelvane {
namespace {

bool isNameLine(const TableReader& table) {
    return table.fieldIs(0, "NAME");
}
bool isAddLine(const TableReader& table) {
    return table.fieldIs(1, "ADD");
}

std::int32_t constraintNumber(const TableReader& table, std::int32_t count) {
    const std::int32_t number = table.intField(1);
    if (number < 1 || number > count)
        table.failOnLine("constraint " + std::to_string(number) + " does not exist (the table holds " +
                         std::to_string(count) + " constraints, numbered 1.." + std::to_string(count) + ")");
    return number;
}

} // namespace

// Each constraint is a NAME line with its number, followed by one ADD line per joint. The joint
// listed last is the retained (master) joint; the others are constrained to it.
void readConstraintTable(ModelStore& store, const TableIndex& tables) {
    TableReader table(store, tables, "CONSTRAINT");
    std::int32_t count = 0;
    for (int line = table.firstLine(); line < table.endLine(); ++line)
        if (table.lineFieldEquals(line, 0, "NAME"))
            ++count;
    sizeTableArray(store.diaphragms, count);
    store.diaphragmCount = count;

    // First pass: how many joints each constraint lists. A number given on two NAME lines would
    // merge two joint lists into one, so it is refused. The NAME and ADD lines are kept for the
    // second pass, which converts the joint numbers.
    struct Entry {
        int line;
        std::int32_t constraint; // on a NAME line, else 0
        bool add;
        std::string joint;
    };
    std::vector<Entry> entries;
    std::vector<bool> named(static_cast<std::size_t>(count) + 1, false);
    std::int32_t current = 0;
    for (int line = table.firstLine(); line < table.endLine(); ++line) {
        table.tokenize(line);
        Entry entry{line, 0, false, {}};
        if (isNameLine(table)) {
            current = constraintNumber(table, count);
            if (named[static_cast<std::size_t>(current)])
                table.failOnLine("constraint " + std::to_string(current) + " is defined a second time");
            named[static_cast<std::size_t>(current)] = true;
            entry.constraint = current;
        }
        if (isAddLine(table)) {
            if (current == 0)
                table.failOnLine("an ADD line stands before the first NAME line");
            ++store.diaphragms[static_cast<std::size_t>(current)].slaveCount;
            entry.add = true;
            entry.joint = table.field(2);
        }
        if (entry.constraint != 0 || entry.add)
            entries.push_back(std::move(entry));
    }
    for (std::int32_t d = 1; d <= count; ++d) {
        TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(d)];
        diaphragm.members.assign(static_cast<std::size_t>(diaphragm.slaveCount) + 1, 0);
    }

    // Second pass: the joints in file order.
    std::int32_t member = 0;
    for (const Entry& entry : entries) {
        if (entry.constraint != 0) {
            member = 0;
            current = entry.constraint;
        }
        if (entry.add) {
            ++member;
            table.atLine(entry.line);
            store.diaphragms[static_cast<std::size_t>(current)].members[static_cast<std::size_t>(member)] =
                table.jointNumber(entry.joint);
        }
    }

    // A constraint without joints keeps slaveCount 0 and master 0.
    for (std::int32_t d = 1; d <= count; ++d) {
        TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(d)];
        if (diaphragm.slaveCount == 0)
            continue;
        diaphragm.master = diaphragm.members[static_cast<std::size_t>(diaphragm.slaveCount)];
        --diaphragm.slaveCount;
    }
}

} // namespace kelvane
