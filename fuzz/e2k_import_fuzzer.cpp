// ETABS model files (.e2k) through the block reader, the restatement as tables and the one import
// entry: every restated line keeps the line of the file it came from, and after an import that
// succeeds every joint an element or a diaphragm names lies inside the store's table.
#include "fuzz_support.h"

#include "common/error.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/etabs/etabs_text.h"
#include "model/etabs/etabs_translation.h"
#include "model/model_import.h"

#include <cstddef>
#include <cstdint>

namespace {

using kelvane::countOf;

bool isJoint(const kelvane::ModelStore& store, std::int32_t joint) {
    return joint >= 1 && joint <= countOf(store.nodeCount) &&
           static_cast<std::size_t>(joint) < store.nodes.size();
}

void checkStore(const kelvane::ModelStore& store) {
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        FUZZ_CHECK(static_cast<std::size_t>(f) < store.frames.size());
        const kelvane::TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        FUZZ_CHECK(isJoint(store, frame.nodeI) && isJoint(store, frame.nodeJ));
    }
    for (int a = 1; a <= countOf(store.areaCount); ++a) {
        FUZZ_CHECK(static_cast<std::size_t>(a) < store.shells.size());
        const kelvane::TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        for (std::int32_t joint : {area.node1, area.node2, area.node3})
            FUZZ_CHECK(isJoint(store, joint));
        FUZZ_CHECK(area.node4 == 0 || isJoint(store, area.node4));
    }
    for (int d = 1; d <= countOf(store.diaphragmCount); ++d) {
        FUZZ_CHECK(static_cast<std::size_t>(d) < store.diaphragms.size());
        const kelvane::TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(d)];
        FUZZ_CHECK(diaphragm.slaveCount >= 2 && isJoint(store, diaphragm.master));
        for (int m = 1; m <= diaphragm.slaveCount; ++m)
            FUZZ_CHECK(isJoint(store, diaphragm.members[static_cast<std::size_t>(m)]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kelvane::ColourTable colours = kelvane::initPalette();
    // Inputs that do not name ETABS are other readers' business.
    const std::string text =
        "$ PROGRAM INFORMATION\n  PROGRAM  \"ETABS\"\n" + std::string(kelvane::fuzz::asText(data, size));
    const std::vector<std::string> lines = kelvane::splitLines(text);
    try {
        const kelvane::etabs::TranslatedModel translated = kelvane::etabs::translateEtabsModel(lines);
        FUZZ_CHECK(translated.origin.size() == translated.lines.size());
        for (const int origin : translated.origin)
            FUZZ_CHECK(origin >= -1 && origin < static_cast<int>(lines.size()));
    } catch (const kelvane::KelvaneError&) {
        return 0;
    }
    kelvane::ImportedModel imported;
    try {
        imported = kelvane::importModelLines(lines, colours);
    } catch (const kelvane::KelvaneError&) {
        return 0;
    }
    FUZZ_CHECK(imported.etabsFormat);
    checkStore(imported.store);
    (void)kelvane::tables::reportLines(imported.report);
    return 0;
}
