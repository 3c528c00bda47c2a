#include "model/s2k_import.h"

#include "common/error.h"
#include "common/text_file.h"
#include "model/table_readers.h"

#include <new>

namespace kelvane {
namespace {

TableIndex modelTables(const std::vector<std::string>& lines) {
    return TableIndex(lines, {"JOINT", "CONSTRAINT", "RESTRAINT", "MASS", "MATERIAL", "FRAME SECTION",
                              "SHELL SECTION", "FRAME", "SHELL", "SOLID", "LOAD"});
}

// " (table JOINT, line 12)": the table a reader was at and the line of the file (1-based).
std::string placeText(const ReadingPlace& place) {
    if (place.table.empty())
        return {};
    if (place.line == kNoLine)
        return " (table " + place.table + ")";
    return " (table " + place.table + ", line " + std::to_string(static_cast<long long>(place.line) + 1) +
           ")";
}

void runTableReaders(ModelStore& store, const ColourTable& colours, const TableIndex& tables) {
    readJointTable(store, tables);
    readConstraintTable(store, tables);
    readRestraintTable(store, tables);
    readMassTable(store, tables);
    readMaterialTable(store, tables);
    readFrameSectionTable(store, tables, colours);
    readShellSectionTable(store, tables, colours);
    readFrameTable(store, tables);
    readShellTable(store, tables);
    readSolidTable(store, tables);
    readLoadTable(store, tables);
    tables.place() = {}; // the mass and the links come after the tables, on no line of any
    addKeywordElementMass(store);
    tieRigidLinks(store);
}

} // namespace

void resetModel(ModelStore& store) {
    std::vector<std::string> lines = std::move(store.s2kLines);
    store = ModelStore{};
    store.s2kLines = std::move(lines);
    store.nodes.resize(1);
    store.frames.resize(1);
    store.shells.resize(1);
    store.solids.resize(1);
    store.materials.resize(1);
    store.frameSections.resize(1);
    store.shellSections.resize(1);
    store.loads.resize(1);
    store.diaphragms.resize(1);
}

void loadS2kFile(ModelStore& store, const std::string& path) {
    store.s2kLines = loadLines(path);
}

bool holdsS2kTables(const std::vector<std::string>& lines) {
    return modelTables(lines).anyFound();
}

// A failure's message is kept as it stands and followed by the place the readers were at, unless
// it names its place itself.
void importModel(ModelStore& store, const ColourTable& colours) {
    resetModel(store);
    const TableIndex tables = modelTables(store.s2kLines);
    try {
        runTableReaders(store, colours, tables);
    } catch (const PlacedError&) {
        throw;
    } catch (const KelvaneError& error) {
        fail(error.what() + placeText(tables.place()));
    } catch (const std::bad_alloc&) {
        fail("Out of memory" + placeText(tables.place()));
    }
}

void importS2kFile(ModelStore& store, const ColourTable& colours, const std::string& path) {
    loadS2kFile(store, path);
    importModel(store, colours);
}

StatusPanels modelCountPanels(const ModelStore& store) {
    StatusPanels panels;
    panels[0] = "Operation";
    const std::pair<const char*, std::int32_t> counts[] = {
        {"Node", store.nodeCount},         {"Frame", store.frameCount},  {"Shell", store.shellCount},
        {"Solid", store.solidCount},       {"Mat", store.materialCount}, {"Fsec", store.frameSectionCount},
        {"Wsec", store.shellSectionCount},
    };
    std::size_t panel = 2;
    for (const auto& [label, count] : counts) {
        panels[panel] = label;
        panels[panel + 1] = std::to_string(countOf(count));
        panel += 2;
    }
    return panels;
}

} // namespace kelvane
