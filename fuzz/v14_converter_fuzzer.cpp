// Whole SAP2000 V14 files through the converter. A conversion that succeeds must give a text
// the importer reads without reaching outside its tables.
#include "fuzz_support.h"

#include "common/error.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "model/v14_converter.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> input = kelvane::splitLines(kelvane::fuzz::asText(data, size));
    kelvane::V14Conversion conversion;
    try {
        conversion = kelvane::convertV14(input);
    } catch (const kelvane::KelvaneError&) {
        return 0;
    }
    FUZZ_CHECK(conversion.v14JointCount >= 0 && conversion.v14SolidCount >= 0);
    FUZZ_CHECK(conversion.reportLines.size() >= 4);
    FUZZ_CHECK(!conversion.outputLines.empty() && conversion.outputLines.back() == "END");

    static const kelvane::ColourTable colours = kelvane::initPalette();
    kelvane::ModelStore store;
    store.s2kLines = conversion.outputLines;
    try {
        kelvane::importModel(store, colours);
    } catch (const kelvane::KelvaneError&) {
        return 0; // labels that are not 1..N in table order are refused by the importer
    }
    FUZZ_CHECK(store.nodeCount == conversion.v14JointCount);
    FUZZ_CHECK(store.solidCount == conversion.v14SolidCount);
    return 0;
}
