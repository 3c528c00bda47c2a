// Periods.txt: every number of the file is an eigenvalue; a mode's period and frequency, when
// the file gives it one, are positive and each other's inverse.
#include "fuzz_support.h"
#include "recorder_folder.h"

#include "common/error.h"
#include "results/mode_periods.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kelvane::fuzz::RecorderFolder folder;
    FuzzedDataProvider input(data, size);
    const int mode = input.ConsumeIntegralInRange(-1, 20);
    folder.write(input.ConsumeRemainingBytesAsString(), 1,
                 [](int) { return std::string(kelvane::kPeriodsFileName); });
    try {
        const auto eigenvalues = kelvane::readEigenvalues(folder.folder());
        FUZZ_CHECK(eigenvalues.has_value());
        const kelvane::ModePeriod period = kelvane::modePeriod(*eigenvalues, mode, folder.folder());
        FUZZ_CHECK(period.eigenvalue > 0 && period.period > 0 && period.frequency > 0);
        FUZZ_CHECK(std::fabs(period.period * period.frequency - 1) < 1e-9);
    } catch (const kelvane::KelvaneError&) {
    }
    return 0;
}
