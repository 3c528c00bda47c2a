#include "script/store_access.h"

#include "common/error.h"

#include <string>

namespace kelvane {
namespace {

template <typename Record>
void checkSize(const std::vector<Record>& records, std::int32_t count, const char* table) {
    if (count > 0 && records.size() < static_cast<std::size_t>(count) + 1)
        fail(std::string("The ") + table + " table holds " +
             std::to_string(records.size() == 0 ? 0 : records.size() - 1) + " records but its count is " +
             std::to_string(count));
}

// `referrer` builds the name of the referring record; it runs only when the reference is broken.
template <typename Record, typename Referrer>
const Record& recordAt(const std::vector<Record>& records, std::int32_t count, std::int32_t index,
                       Referrer referrer, const char* target) {
    static const Record empty{};
    if (index == 0)
        return empty;
    if (index < 0 || index > countOf(count))
        fail(referrer() + " refers to " + target + " " + std::to_string(index) + ", which does not exist");
    return records[static_cast<std::size_t>(index)];
}

std::string named(const char* what, int index, const std::string& name) {
    return std::string(what) + " " + std::to_string(index) + " (" + name + ")";
}

} // namespace

void checkStoreShape(const ModelStore& store) {
    checkSize(store.nodes, store.nodeCount, "joint");
    checkSize(store.frames, store.frameCount, "frame");
    checkSize(store.shells, store.areaCount, "area");
    checkSize(store.solids, store.solidCount, "solid");
    checkSize(store.materials, store.materialCount, "material");
    checkSize(store.frameSections, store.frameSectionCount, "frame section");
    checkSize(store.shellSections, store.shellSectionCount, "shell section");
    checkSize(store.loads, store.loadCount, "load");
    checkSize(store.diaphragms, store.diaphragmCount, "constraint");
    for (int d = 1; d <= countOf(store.diaphragmCount); ++d) {
        const TDIAPH& diaphragm = store.diaphragms[d];
        if (diaphragm.slaveCount > 0 &&
            diaphragm.members.size() < static_cast<std::size_t>(diaphragm.slaveCount) + 1)
            fail("Constraint " + std::to_string(d) + " lists " + std::to_string(diaphragm.slaveCount) +
                 " joints but holds fewer");
    }
}

const TSECTION& sectionOfFrame(const ModelStore& store, int frame) {
    return recordAt(
        store.frameSections, store.frameSectionCount, store.frames[frame].section,
        [&] { return "Frame " + std::to_string(frame); }, "frame section");
}

const TMAT& materialOfSection(const ModelStore& store, int section) {
    const TSECTION& record = store.frameSections[section];
    return recordAt(
        store.materials, store.materialCount, record.material,
        [&] { return named("Frame section", section, record.name); }, "material");
}

const TMAT& materialOfFrame(const ModelStore& store, int frame) {
    const std::int32_t section = store.frames[frame].section;
    const TSECTION& record = sectionOfFrame(store, frame);
    return recordAt(
        store.materials, store.materialCount, record.material,
        [&] { return named("Frame section", section, record.name); }, "material");
}

const TAREASEC& sectionOfArea(const ModelStore& store, int area) {
    return recordAt(
        store.shellSections, store.shellSectionCount, store.shells[area].section,
        [&] { return "Area " + std::to_string(area); }, "shell section");
}

const TMAT& materialOfShellSection(const ModelStore& store, int shellSection) {
    const TAREASEC& record = store.shellSections[shellSection];
    return recordAt(
        store.materials, store.materialCount, record.material,
        [&] { return named("Shell section", shellSection, record.name); }, "material");
}

const TNODE& jointTiedTo(const ModelStore& store, int joint) {
    const int tiedTo = store.nodes[joint].tiedTo;
    if (tiedTo == 0)
        return store.nodes[joint];
    return recordAt(
        store.nodes, store.nodeCount, tiedTo, [&] { return "Joint " + std::to_string(joint); }, "joint");
}

} // namespace kelvane
