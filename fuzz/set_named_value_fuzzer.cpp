// The command line's --set NAME=VALUE options, one per input line, applied as the tcl command
// applies them, and then a script generated with the settings that were accepted.
#include "fuzz_support.h"

#include "common/error.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "script/script_generator.h"
#include "script/settings_by_name.h"

#include <cstddef>
#include <cstdint>

namespace {

// A portal frame with a brace, a diaphragm, masses and two load cases: every block of the script
// has something to write.
constexpr const char* kModel = "\n"
                               "JOINT\n"
                               "  1  X=0  Y=0  Z=0\n"
                               "  2  X=4000  Y=0  Z=0\n"
                               "  3  X=0  Y=0  Z=3000\n"
                               "  4  X=4000  Y=0  Z=3000\n"
                               "\n"
                               "CONSTRAINT\n"
                               "  NAME=1  TYPE=DIAPH  AXIS=Z\n"
                               "    ADD=3\n"
                               "    ADD=4\n"
                               "\n"
                               "RESTRAINT\n"
                               "  ADD=1  DOF=U1,U2,U3,R1,R2,R3\n"
                               "  ADD=2  DOF=U1,U2,U3,R1,R2,R3\n"
                               "\n"
                               "MASS\n"
                               "  ADD=3  UX=1  UY=1  UZ=1\n"
                               "  ADD=4  UX=1  UY=1  UZ=1\n"
                               "\n"
                               "MATERIAL\n"
                               "  NAME=STEEL  IDES=S  M=7.85E-09  W=7.7E-05\n"
                               "    T=0  E=200000  U=.3  A=1.17E-05\n"
                               "  NAME=CONC  IDES=C  M=2.4E-09  W=2.36E-05\n"
                               "    T=0  E=30000  U=.2  A=9.9E-06\n"
                               "\n"
                               "FRAME SECTION\n"
                               "  NAME=C400X400  MAT=CONC  SH=R  T=400,400\n"
                               "  NAME=B300X500  MAT=CONC  SH=R  T=500,300\n"
                               "  NAME=TPIPE  MAT=STEEL  SH=P  T=200,10\n"
                               "\n"
                               "FRAME\n"
                               "  1  J=1,3  SEC=C400X400  NSEG=2  ANG=0\n"
                               "  2  J=2,4  SEC=C400X400  NSEG=2  ANG=0\n"
                               "  3  J=3,4  SEC=B300X500  NSEG=4  ANG=0\n"
                               "  4  J=1,4  SEC=TPIPE  NSEG=1  ANG=0\n"
                               "\n"
                               "LOAD\n"
                               "  NAME=DEAD  SW=1\n"
                               "    TYPE=FORCE\n"
                               "      ADD=4  UZ=-50000\n"
                               "  NAME=PUSH  SW=0\n"
                               "    TYPE=FORCE\n"
                               "      ADD=3  UX=10000\n"
                               "\n";

const kelvane::ModelStore& importedModel() {
    static const kelvane::ModelStore store = kelvane::fuzz::importedFromText(kModel);
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelvane::ModelStore store = importedModel();
    kelvane::AnalysisSettings analysis;
    kelvane::RecorderSettings recorders;
    for (const std::string& option : kelvane::splitLines(kelvane::fuzz::asText(data, size))) {
        const std::size_t equals = option.find('=');
        if (equals == std::string::npos)
            continue; // the command line refuses it before any setting is made
        try {
            kelvane::setNamedValue(store, analysis, recorders, std::string_view(option).substr(0, equals),
                                   std::string_view(option).substr(equals + 1));
        } catch (const kelvane::KelvaneError&) {
            return 0; // the command stops at the first refused setting
        }
    }
    // One mode-shape recorder line per mode and block of 100 joints: a Modal Number in the millions
    // makes a script of millions of lines, slow by design rather than stuck.
    if (recorders.modalShape && analysis.modalNumber > 1000)
        return 0;
    try {
        const kelvane::ScriptLines script = kelvane::generateScript(store, analysis, recorders);
        (void)script;
    } catch (const kelvane::KelvaneError&) {
    }
    return 0;
}
