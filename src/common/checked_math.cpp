#include "common/checked_math.h"

#include "common/error.h"

#include <cmath>

namespace kelvane {

double checkedFinite(double x) {
    if (!std::isfinite(x))
        fail(kInvalidOperation);
    return x;
}

double checkedDiv(double numerator, double denominator) {
    if (std::isnan(numerator) || std::isnan(denominator))
        fail(kInvalidOperation);
    if (denominator == 0.0) {
        if (numerator == 0.0)
            fail(kInvalidOperation);
        fail(kDivisionByZero);
    }
    return numerator / denominator;
}

double checkedSqrt(double x) {
    if (std::isnan(x) || x < 0.0)
        fail(kInvalidOperation);
    return std::sqrt(x);
}

double checkedAcos(double x) {
    if (std::isnan(x) || x < -1.0 || x > 1.0)
        fail(kInvalidOperation);
    return std::acos(x);
}

} // namespace kelvane
