#include "common/checked_math.h"
#include "common/error.h"
#include "common/number_parse.h"
#include "model/table_reader.h"
#include "model/table_readers.h"

#include <string>

namespace kelvane {
namespace {

// The field after the first field equal to `key`, or nullptr when the line has no such key. A
// NAME line's name is no key (a material may be named M or FY).
const std::string* valueOfKey(const TableReader& table, std::string_view key) {
    for (int n = table.fieldIs(0, "NAME") ? 2 : 0; n + 1 < kLineFieldCount; ++n)
        if (table.fieldIs(n, key))
            return &table.field(n + 1);
    return nullptr;
}

std::int32_t designTypeOf(const std::string& code) {
    if (code == "S")
        return DesignSteel;
    if (code == "C")
        return DesignConcrete;
    if (code == "R")
        return DesignRebar;
    return DesignOther;
}

// The design type (IDES=), the strengths (FY=, FC=) and the mass per unit volume (M=), wherever
// the material's lines give them.
void readDesignData(const TableReader& table, TMAT& material) {
    if (const std::string* mass = valueOfKey(table, "M"))
        material.unitMass = parseReal(*mass);
    if (const std::string* code = valueOfKey(table, "IDES"))
        material.designType = designTypeOf(*code);
    if (const std::string* fy = valueOfKey(table, "FY"))
        material.fy = parseReal(*fy);
    if (const std::string* fc = valueOfKey(table, "FC"))
        material.fc = parseReal(*fc);
}

} // namespace

// Two lines per material: "  NAME=name ..." and a property line whose second and third pairs are
// E=modulus and U=Poisson's ratio. Every data line is followed by a look at the next line (for the
// last one, the blank line that ends the table), and the shear modulus is recomputed each time.
void readMaterialTable(ModelStore& store, const TableIndex& tables) {
    TableReader table(store, tables, "MATERIAL");
    // Halving would hide a short negative size (a header on line 1 or 2 without its closing blank
    // line); such a table fails like every other unclosed table.
    if (table.dataLineCount() < -1)
        fail(kRangeCheckError);
    const long long count = table.dataLineCount() / 2;
    sizeTableArray(store.materials, count);
    store.materialCount = static_cast<std::int32_t>(count);

    std::int32_t m = 0;
    for (int line = table.firstLine(); line < table.endLine(); ++line) {
        table.tokenize(line);
        if (table.fieldIs(0, "NAME")) {
            if (m == store.materialCount)
                table.failOnLine("material " + std::to_string(m + 1) +
                                 " has no room: every material takes exactly two lines, a NAME line and a "
                                 "property line");
            ++m;
            store.materials[static_cast<std::size_t>(m)].name = table.field(1);
            store.materials[static_cast<std::size_t>(m)].model = 1;
            readDesignData(table, store.materials[static_cast<std::size_t>(m)]);
        }

        table.tokenize(line + 1);
        const bool hasModulus = table.fieldIs(3, "E");
        const bool hasPoisson = table.fieldIs(5, "U");
        if (m == 0) {
            if (hasModulus || hasPoisson)
                table.failOnLine("a property line stands before the first NAME line");
            continue;
        }
        TMAT& material = store.materials[static_cast<std::size_t>(m)];
        if (!table.fieldIs(0, "NAME"))
            readDesignData(table, material);
        if (hasModulus)
            material.e = table.realField(4);
        if (hasPoisson)
            material.nu = table.realField(6);
        material.g = checkedDiv(checkedDiv(material.e, 2.0), 1.0 + material.nu);
    }
}

} // namespace kelvane
