#pragma once

// Joint coordinates are kept to one decimal.
namespace kelvane {

// x rounded to the nearest tenth: the exact product x * 10 (extended precision) rounded to the
// nearest integer, ties to even, then divided by 10. 2.25 gives 2.2, 0.35 gives 0.3 (its binary
// value lies below 0.35); a result of zero is +0.
double roundToTenth(double x);

} // namespace kelvane
