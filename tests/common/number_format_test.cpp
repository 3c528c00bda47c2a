#include "common/number_format.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(NumberFormat, ScientificHasSignedThreeDigitExponent) {
    EXPECT_EQ(formatE4(1000), "1.000E+003");
    EXPECT_EQ(formatE5(1000), "1.0000E+003");
    EXPECT_EQ(formatE4(200000), "2.000E+005");
    EXPECT_EQ(formatE4(-0.0025), "-2.500E-003");
    EXPECT_EQ(formatE4(0), "0.000E+000");
    EXPECT_EQ(formatE4(-0.25), "-2.500E-001");
    EXPECT_EQ(formatE3(1.0), "1.00E+000");
    EXPECT_EQ(formatE3(0.1), "1.00E-001");
    EXPECT_EQ(formatE4(1.5e-300), "1.500E-300");
    EXPECT_EQ(formatE4(9.9996), "1.000E+001");
}

TEST(NumberFormat, ZeroNeverCarriesAMinusSign) {
    EXPECT_EQ(formatE4(-0.0), "0.000E+000");
    EXPECT_EQ(formatF(-1e-16, 3), "0.000");
    EXPECT_EQ(formatF(-0.4, 0), "0");
    EXPECT_EQ(formatF(-0.0004, 3), "0.000");
    EXPECT_EQ(formatF(-0.0005001, 3), "-0.001");
    EXPECT_EQ(formatGeneral(-0.0), "0");
}

TEST(NumberFormat, FixedRoundsExactTiesToEvenOnTheBinaryValue) {
    EXPECT_EQ(formatF(0.125, 2), "0.12");
    EXPECT_EQ(formatF(0.375, 2), "0.38");
    EXPECT_EQ(formatF(1000, 0), "1000");
    EXPECT_EQ(formatF(1000.4, 0), "1000");
    EXPECT_EQ(formatF(2.5, 0), "2");
    EXPECT_EQ(formatF(-0.7071, 3), "-0.707");
    EXPECT_EQ(formatF(150, 2), "150.00");
    // 1.005 is stored just below 1.005, so it rounds down.
    EXPECT_EQ(formatF(1.005, 2), "1.00");
}

TEST(NumberFormat, GeneralFormIsShortestUpToFifteenDigits) {
    EXPECT_EQ(formatGeneral(0), "0");
    EXPECT_EQ(formatGeneral(30.5), "30.5");
    EXPECT_EQ(formatGeneral(600), "600");
    EXPECT_EQ(formatGeneral(-0.003), "-0.003");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatGeneral(1e-5), "0.00001");
    EXPECT_EQ(formatGeneral(1e-6), "1E-6");
    EXPECT_EQ(formatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatGeneral(1234567890123456.0), "1.23456789012346E15");
    EXPECT_EQ(formatGeneral(10000.16), "10000.16");
}

TEST(NumberFormat, SignificantDigitsForPicturesKeepEveryIntegerDigit) {
    const std::pair<double, const char*> cases[] = {{0, "0"},
                                                    {6e6, "6000000"},
                                                    {-6.123456e6, "-6123456"},
                                                    {3.0, "3.000"},
                                                    {9.99996, "10.00"},
                                                    {0.05, "0.05000"},
                                                    {-0.00012345, "-0.0001234"},
                                                    {1e-5, "1.000E-005"},
                                                    {2.5e13, "2.500E+013"},
                                                    {-1e-13, "-1.000E-013"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatSignificant(value, 4), text) << value;
}

TEST(NumberFormat, Integers) {
    EXPECT_EQ(formatInt(0), "0");
    EXPECT_EQ(formatInt(-42), "-42");
    EXPECT_EQ(formatInt(2147483647), "2147483647");
}
