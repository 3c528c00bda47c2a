#include "assess/assess_number.h"

#include "common/number_format.h"
#include "common/number_parse.h"

#include <cmath>

namespace kelvane {

std::string assessNumber(double value) {
    if (!std::isfinite(value) || value == 0)
        return formatGeneral(value == 0 ? 0.0 : value);
    const auto rounded = tryParseReal(formatE(value, 5));
    return formatGeneral(rounded ? *rounded : value);
}

} // namespace kelvane
