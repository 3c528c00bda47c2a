// Section settings files applied to an imported model. A file that fails changes nothing; a file
// that applies gives settings that export and apply again unchanged.
#include "fuzz_support.h"

#include "common/error.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "sections/section_settings_file.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr const char* kModel = "\n"
                               "MATERIAL\n"
                               "  NAME=STEEL  IDES=S  M=7.85E-09  W=7.7E-05\n"
                               "    T=0  E=200000  U=.3  A=1.17E-05\n"
                               "  NAME=CONC  IDES=C  M=2.4E-09  W=2.36E-05\n"
                               "    T=0  E=30000  U=.2  A=9.9E-06\n"
                               "\n"
                               "FRAME SECTION\n"
                               "  NAME=B300X500  MAT=CONC  SH=R  T=500,300\n"
                               "  NAME=HGIRDER  MAT=STEEL  SH=I  T=400,200,20,10,200,20\n"
                               "  NAME=TPIPE  MAT=STEEL  SH=P  T=200,10\n"
                               "  NAME=RLINK  MAT=STEEL  SH=R  T=100,100\n"
                               "\n";

const kelvane::ModelStore& importedModel() {
    static const kelvane::ModelStore store = kelvane::fuzz::importedFromText(kModel);
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = kelvane::splitLines(kelvane::fuzz::asText(data, size));
    const std::vector<std::string> before = kelvane::sectionSettingsLines(importedModel());
    kelvane::ModelStore store = importedModel();
    try {
        kelvane::applySectionSettings(lines, "fuzz.txt", store);
    } catch (const kelvane::KelvaneError&) {
        FUZZ_CHECK(kelvane::sectionSettingsLines(store) == before);
        return 0;
    }
    const std::vector<std::string> after = kelvane::sectionSettingsLines(store);
    kelvane::ModelStore again = importedModel();
    FUZZ_CHECK(kelvane::applySectionSettings(after, "export.txt", again) == store.frameSectionCount);
    FUZZ_CHECK(kelvane::sectionSettingsLines(again) == after);
    return 0;
}
