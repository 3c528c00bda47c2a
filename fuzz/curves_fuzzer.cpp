// The curves read from recorder files: a joint's history (node{b}.out), the base shear
// (reaction{b}.out) and the pushover curve from both, and the periods (Periods.txt). Whatever the
// files hold, a curve has as many ordinates as abscissae and its stages start inside it.
#include "fuzz_support.h"
#include "recorder_folder.h"

#include "common/error.h"
#include "results/curves.h"
#include "results/recorder_files.h"

#include <cstddef>
#include <cstdint>

namespace {

void checkCurve(const kelvane::Curve& curve) {
    FUZZ_CHECK(curve.x.size() == curve.y.size());
    std::size_t previous = 0;
    for (std::size_t start : curve.stageStarts) {
        FUZZ_CHECK(start > previous && start < curve.x.size());
        previous = start;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kelvane::fuzz::RecorderFolder folder;
    FuzzedDataProvider input(data, size);
    const int joints = kelvane::fuzz::objectCount(input);
    const int kind = input.ConsumeIntegralInRange(0, 3);
    const int joint = input.ConsumeIntegralInRange(-1, 251);
    const int dof = input.ConsumeIntegralInRange(0, 4);
    const auto against = static_cast<kelvane::Abscissa>(input.ConsumeIntegralInRange(0, 2));
    kelvane::AnalysisSettings analysis;
    analysis.analysisType = input.ConsumeIntegralInRange(1, 7);
    analysis.loadSteps = kelvane::fuzz::lineNumber(input);
    const bool everyJointASupport = input.ConsumeBool();
    const std::string text = input.ConsumeRemainingBytesAsString();

    kelvane::ModelStore store = kelvane::fuzz::storeWith(joints, 0);
    for (int n = 1; n <= joints; ++n)
        store.nodes[static_cast<std::size_t>(n)].restraint[1] = everyJointASupport || n % 7 == 1 ? 1 : 0;
    const int blocks = kelvane::blockCount(joints);
    try {
        if (kind == 0) {
            folder.write(text, blocks, [](int block) { return "node" + std::to_string(block) + ".out"; });
            checkCurve(kelvane::jointHistoryCurve(store, folder.folder(), joint, dof, against));
        } else if (kind == 1) {
            folder.write(text, blocks, [](int block) { return "reaction" + std::to_string(block) + ".out"; });
            checkCurve(kelvane::baseShearHistory(store, folder.folder(), dof, against));
        } else if (kind == 2) {
            // The node file first, then the reaction file, both of block 0.
            folder.write(text, 2, [](int block) { return block == 0 ? "node0.out" : "reaction0.out"; });
            checkCurve(kelvane::pushoverCurve(store, analysis, folder.folder(), joint, dof));
        } else {
            folder.write(text, 1, [](int) { return "Periods.txt"; });
            const auto periods = kelvane::readModalPeriods(folder.folder());
            for (const auto& mode : periods)
                FUZZ_CHECK(mode.eigenvalue > 0 && mode.period > 0 && mode.frequency > 0);
            checkCurve(kelvane::periodCurve(periods));
        }
    } catch (const kelvane::KelvaneError&) {
    }
    return 0;
}
