#include "common/number_format.h"

#include <gtest/gtest.h>

#include <string>

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

// Model values in scripts: the shortest text that reads back as the same double, so that a joint
// 100 m up a model in millimetres keeps its last millimetre and a kip-inch model its decimals.
TEST(NumberFormat, RoundTripKeepsEveryDigitAndNoSignedZero) {
    const auto roundTrip = [](double value) {
        std::string text;
        appendRoundTrip(text, value);
        return text;
    };
    EXPECT_EQ(roundTrip(-0.0), "0");
    EXPECT_EQ(roundTrip(200000), "200000");
    EXPECT_EQ(roundTrip(100000.123), "100000.123");
    EXPECT_EQ(roundTrip(25.6 * 39.37007874015748), "1007.8740157480315");
    EXPECT_EQ(roundTrip(1e-7), "1e-07");
    for (const double value : {0.1, 1.0 / 3.0, 6.02214076e23, -2.5e-300})
        EXPECT_EQ(std::stod(roundTrip(value)), value) << roundTrip(value);
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
