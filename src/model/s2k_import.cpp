#include "model/s2k_import.h"

#include "common/error.h"
#include "common/text_file.h"
#include "model/table_readers.h"

#include <new>

namespace kelvane {
namespace {

void runTableReaders(ModelStore& store, const ColourTable& colours) {
    const TableIndex tables(store.s2kLines, {"JOINT", "CONSTRAINT", "RESTRAINT", "MASS", "MATERIAL",
                                             "FRAME SECTION", "SHELL SECTION", "FRAME", "SHELL", "SOLID",
                                             "LOAD"});
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

void importModel(ModelStore& store, const ColourTable& colours) {
    resetModel(store);
    try {
        runTableReaders(store, colours);
    } catch (const std::bad_alloc&) {
        fail("Out of memory");
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
