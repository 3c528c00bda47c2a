#pragma once

// Floating-point operations that raise the runtime's errors instead of producing infinities or NaNs:
// x/0 with x != 0 is "Floating point division by zero"; 0/0 and every other invalid operation
// is "Invalid floating point operation".
namespace kelvane {

double checkedDiv(double numerator, double denominator);
double checkedSqrt(double x);
double checkedAcos(double x);
// Raises "Invalid floating point operation" when x is NaN or infinite.
double checkedFinite(double x);

} // namespace kelvane
