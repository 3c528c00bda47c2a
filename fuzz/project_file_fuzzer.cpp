// The blocks of a project file applied to an imported model. Whatever applies gives blocks that,
// written and applied again to a fresh model, come back unchanged.
#include "fuzz_support.h"

#include "common/error.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "project/project_file.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr const char* kModel = "\n"
                               "MATERIAL\n"
                               "  NAME=STEEL  IDES=S  M=7.85E-09  W=7.7E-05\n"
                               "    T=0  E=200000  U=.3  A=1.17E-05  FY=355\n"
                               "  NAME=CONC  IDES=C  M=2.4E-09  W=2.36E-05\n"
                               "    T=0  E=30000  U=.2  A=9.9E-06\n"
                               "\n"
                               "FRAME SECTION\n"
                               "  NAME=NC500  MAT=CONC  SH=R  T=500,500\n"
                               "  NAME=HGIRDER  MAT=STEEL  SH=I  T=400,200,20,10,200,20\n"
                               "\n";

const kelvane::ModelStore& importedModel() {
    static const kelvane::ModelStore store = kelvane::fuzz::importedFromText(kModel);
    return store;
}

struct Applied {
    kelvane::ModelStore store = importedModel();
    kelvane::AnalysisSettings analysis;
    kelvane::RecorderSettings recorders;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelvane::ProjectFile project;
    project.path = "fuzz.kelvane";
    project.lines = kelvane::splitLines(kelvane::fuzz::asText(data, size));
    Applied first;
    try {
        kelvane::applyProjectBlocks(project, first.store, first.analysis, first.recorders);
    } catch (const kelvane::KelvaneError&) {
        return 0;
    }
    std::vector<std::string> written;
    try {
        written = kelvane::projectBlockLines(first.store, first.analysis, first.recorders);
    } catch (const kelvane::KelvaneError&) {
        return 0; // sections that share a name cannot be written; the importer never makes them here
    }
    kelvane::ProjectFile again;
    again.path = "again.kelvane";
    again.lines = written;
    Applied second;
    kelvane::applyProjectBlocks(again, second.store, second.analysis, second.recorders);
    FUZZ_CHECK(kelvane::projectBlockLines(second.store, second.analysis, second.recorders) == written);
    return 0;
}
