// Whole SAP2000 text files, version 6, 7/8 keyword files and the table format alike, through the line
// splitting of the loader and the one import entry; after an import that succeeds, every reference the store
// holds must point inside its table.
#include "fuzz_support.h"

#include "common/error.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "model/s2k_import.h"

#include <cstddef>
#include <cstdint>

namespace {

using kelvane::countOf;

bool isJoint(const kelvane::ModelStore& store, std::int32_t joint) {
    return joint >= 1 && joint <= countOf(store.nodeCount);
}

bool fitsTable(std::size_t size, std::int32_t count) {
    return size >= static_cast<std::size_t>(countOf(count)) + 1;
}

void checkReferences(const kelvane::ModelStore& store) {
    FUZZ_CHECK(fitsTable(store.nodes.size(), store.nodeCount));
    FUZZ_CHECK(fitsTable(store.frames.size(), store.frameCount));
    FUZZ_CHECK(fitsTable(store.solids.size(), store.solidCount));
    FUZZ_CHECK(fitsTable(store.materials.size(), store.materialCount));
    FUZZ_CHECK(fitsTable(store.frameSections.size(), store.frameSectionCount));
    FUZZ_CHECK(fitsTable(store.shellSections.size(), store.shellSectionCount));
    FUZZ_CHECK(fitsTable(store.diaphragms.size(), store.diaphragmCount));
    FUZZ_CHECK(store.loadCaseNames.size() == static_cast<std::size_t>(countOf(store.loadCaseCount)) + 1);
    for (int n = 1; n <= countOf(store.nodeCount); ++n) {
        const kelvane::TNODE& node = store.nodes[static_cast<std::size_t>(n)];
        FUZZ_CHECK(node.tiedTo == 0 || isJoint(store, node.tiedTo));
        for (std::size_t dof = 1; dof <= 6; ++dof)
            FUZZ_CHECK(node.restraint[dof] == 0 || node.restraint[dof] == 1);
    }
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        const kelvane::TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        FUZZ_CHECK(isJoint(store, frame.nodeI) && isJoint(store, frame.nodeJ));
        FUZZ_CHECK(frame.section >= 0 && frame.section <= countOf(store.frameSectionCount));
    }
    for (int s = 1; s <= countOf(store.solidCount); ++s) {
        const kelvane::TSOLID& solid = store.solids[static_cast<std::size_t>(s)];
        for (std::int32_t joint : {solid.node1, solid.node2, solid.node3, solid.node4, solid.node5,
                                   solid.node6, solid.node7, solid.node8})
            FUZZ_CHECK(isJoint(store, joint));
    }
    FUZZ_CHECK(fitsTable(store.shells.size(), store.areaCount));
    for (int a = 1; a <= countOf(store.areaCount); ++a) {
        const kelvane::TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        for (std::int32_t joint : {area.node1, area.node2, area.node3})
            FUZZ_CHECK(isJoint(store, joint));
        FUZZ_CHECK(area.node4 == 0 || isJoint(store, area.node4)); // 0: a triangle
    }
    for (int d = 1; d <= countOf(store.diaphragmCount); ++d) {
        const kelvane::TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(d)];
        if (diaphragm.slaveCount == 0 && diaphragm.master == 0)
            continue;
        FUZZ_CHECK(diaphragm.members.size() >= static_cast<std::size_t>(diaphragm.slaveCount) + 1);
        FUZZ_CHECK(isJoint(store, diaphragm.master));
        for (int m = 1; m <= diaphragm.slaveCount; ++m)
            FUZZ_CHECK(isJoint(store, diaphragm.members[static_cast<std::size_t>(m)]));
    }
    FUZZ_CHECK(fitsTable(store.loads.size(), store.loadCount));
    for (int l = 1; l <= countOf(store.loadCount); ++l) {
        const kelvane::TLOAD& load = store.loads[static_cast<std::size_t>(l)];
        if (load.kind == kelvane::LoadJointForce)
            FUZZ_CHECK(isJoint(store, load.target));
        if (load.kind == kelvane::LoadDistributed || load.kind == kelvane::LoadFrameSpan ||
            load.kind == kelvane::LoadFramePoint)
            FUZZ_CHECK(load.target >= 1 && load.target <= countOf(store.frameCount));
        if (load.kind == kelvane::LoadFrameSpan || load.kind == kelvane::LoadFramePoint)
            FUZZ_CHECK(load.distA >= 0 && load.distA <= 1 && load.direction >= 1 && load.direction <= 3);
        if (load.kind == kelvane::LoadFrameSpan)
            FUZZ_CHECK(load.distB >= load.distA && load.distB <= 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kelvane::ColourTable colours = kelvane::initPalette();
    kelvane::ImportedModel imported;
    try {
        imported = kelvane::importModelLines(kelvane::splitLines(kelvane::fuzz::asText(data, size)), colours);
    } catch (const kelvane::KelvaneError&) {
        return 0;
    }
    checkReferences(imported.store);
    (void)kelvane::modelCountPanels(imported.store);
    for (int s = 1; s <= countOf(imported.store.shellSectionCount); ++s) {
        const kelvane::TAREASEC& section = imported.store.shellSections[static_cast<std::size_t>(s)];
        FUZZ_CHECK(section.kind >= kelvane::AreaShellThick && section.kind <= kelvane::AreaMembrane);
    }
    if (imported.hasReport()) {
        const kelvane::ModelStore& store = imported.store;
        // Every diaphragm has its own retained joint, created after the file's joints.
        FUZZ_CHECK(imported.report.diaphragmJoints.size() ==
                   static_cast<std::size_t>(countOf(store.diaphragmCount)));
        for (int d = 1; d <= countOf(store.diaphragmCount); ++d)
            FUZZ_CHECK(store.diaphragms[static_cast<std::size_t>(d)].slaveCount >= 2);
        for (int l = 1; l <= countOf(store.loadCount); ++l)
            FUZZ_CHECK(store.loads[static_cast<std::size_t>(l)].kind != kelvane::LoadNone);
        (void)kelvane::tables::reportLines(imported.report);
    }
    return 0;
}
