#pragma once

#include <string>

namespace kelvane {

// A computed quantity as the reports print it: six significant digits, shortest form.
std::string assessNumber(double value);

} // namespace kelvane
