#include "common/number_format.h"
#include "script/script_number_format.h"
#include "script/script_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

// Script lines must print every number exactly as the general formatters do.
namespace kelvane {
namespace {

// A number as a script line prints it: the fast form, or the general one where the fast cannot decide.
std::string fastE(double value, int digits) {
    std::string out;
    appendTemplate(out, "%0." + std::to_string(digits) + "E", {value});
    return out;
}

std::string fastF(double value, int decimals) {
    std::string out;
    appendTemplate(out, "%0." + std::to_string(decimals) + "F", {value});
    return out;
}

void expectSameAsGeneral(double value) {
    for (int digits : {1, 3, 4, 5, 9})
        ASSERT_EQ(fastE(value, digits), formatE(value, digits)) << "value " << value << " digits " << digits;
    for (int decimals : {0, 2, 3, 6})
        ASSERT_EQ(fastF(value, decimals), formatF(value, decimals))
            << "value " << value << " decimals " << decimals;
}

TEST(FastScriptNumbers, SpecialValuesMatchTheGeneralFormatter) {
    for (double value : {0.0, -0.0, 1.0, -0.7071, 0.5, 2.5, 9999.6, 1000.4, -0.0004, 1e-300, -1e300, 5e-324,
                         std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
                         1e15, 999999999.5})
        expectSameAsGeneral(value);
}

TEST(FastScriptNumbers, TypicalScriptValuesTakeTheFastPath) {
    char buffer[kFastNumberRoom];
    for (double value : {1234.5678, -0.7071, 3.0e3, 2.817e9, 7.692307692307692e4, -1.25e-5, 0.0, 9999.6}) {
        const std::size_t scientific = writeScientificFast(buffer, value, 4);
        EXPECT_EQ(std::string(buffer, scientific), formatE(value, 4)) << value;
        const std::size_t fixed = writeFixedFast(buffer, value / 1e6, 3);
        EXPECT_EQ(std::string(buffer, fixed), formatF(value / 1e6, 3)) << value;
    }
    EXPECT_EQ(writeScientificFast(buffer, 0.00125, 2), 0u); // nearly a tie: general formatter
    EXPECT_EQ(writeFixedFast(buffer, 1e12, 3), 0u);
}

TEST(FastScriptNumbers, TiesAndNearTiesRoundAsTheGeneralFormatter) {
    // Decimal ties at every scale: k + 0.5 units of the last printed digit, and their neighbours.
    for (int exponent = -12; exponent <= 12; ++exponent)
        for (int k = 1000; k < 10000; k += 7) {
            const double tie = (k + 0.5) * std::pow(10.0, exponent - 3);
            expectSameAsGeneral(tie);
            expectSameAsGeneral(std::nextafter(tie, 0.0));
            expectSameAsGeneral(std::nextafter(tie, 1e300));
            expectSameAsGeneral(-tie);
        }
}

TEST(FastScriptNumbers, RandomValuesOverManyMagnitudes) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    for (int i = 0; i < 100000; ++i)
        expectSameAsGeneral(mantissa(random) * std::pow(10.0, exponent(random)));
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t pattern = bits(random);
        double value = 0;
        static_assert(sizeof value == sizeof pattern);
        std::memcpy(&value, &pattern, sizeof value);
        expectSameAsGeneral(value);
    }
}

} // namespace
} // namespace kelvane
