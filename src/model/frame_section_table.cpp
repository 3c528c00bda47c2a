#include "model/name_lookup.h"
#include "model/section_defaults.h"
#include "model/table_reader.h"
#include "model/table_readers.h"

namespace kelvane {
namespace {

// Reads the dimensions the shape needs from fields 7.. and sets the shape; other shapes keep 0.
void readShapeAndDimensions(const TableReader& table, TSECTION& section) {
    const std::string& shape = table.field(5);
    int dimensionCount = 0;
    if (shape == "R") {
        section.shape = ShapeRectangle;
        dimensionCount = 2;
    } else if (shape == "I") {
        section.shape = ShapeI;
        dimensionCount = 6;
    } else if (shape == "B") {
        section.shape = ShapeBox;
        dimensionCount = 4;
    } else if (shape == "P") {
        section.shape = ShapePipe;
        dimensionCount = 2;
    } else if (shape == "C") {
        section.shape = ShapeCircle;
        dimensionCount = 1;
    } else {
        return;
    }
    double* const dimensions[] = {&section.t1, &section.t2, &section.t3,
                                  &section.t4, &section.t5, &section.t6};
    for (int i = 0; i < dimensionCount; ++i)
        *dimensions[i] = table.realField(7 + i);
    setShapeDefaults(section);
}

} // namespace

// One section per data line: "  NAME=name  MAT=material  SH=shape  T=t1,t2,...". The first letter
// of the name selects the element formulation.
void readFrameSectionTable(ModelStore& store, const TableIndex& tables, const ColourTable& colours) {
    TableReader table(store, tables, "FRAME SECTION");
    const long long count = table.dataLineCount();
    sizeTableArray(store.frameSections, count);
    store.frameSectionCount = static_cast<std::int32_t>(count);
    int k = 1;
    for (int line = table.firstLine(); line < table.endLine(); ++line, ++k) {
        table.tokenize(line);
        TSECTION& section = store.frameSections[static_cast<std::size_t>(k)];
        section.name = table.field(1);
        section.colour = sectionColour(colours, k);
        section.elementType = elementTypeOfName(section.name);
        setImportDefaults(section);
        section.material = findMaterial(store, table.field(3));
        readShapeAndDimensions(table, section);
    }
}

} // namespace kelvane
