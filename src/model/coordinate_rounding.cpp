#include "model/coordinate_rounding.h"

#include <cmath>

namespace kelvane {

double roundToTenth(double x) {
    // A double times 10 needs at most 56 significant bits: exact in the 64-bit extended mantissa.
    const long double tenths = std::rint(static_cast<long double>(x) * 10.0L);
    if (tenths == 0.0L)
        return 0.0;
    // Below 2^53 the integer converts exactly and one division gives the correctly rounded tenth.
    if (std::fabs(tenths) < 0x1p53L)
        return static_cast<double>(tenths) / 10.0;
    return static_cast<double>(tenths / 10.0L);
}

} // namespace kelvane
