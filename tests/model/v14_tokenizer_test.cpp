#include "model/v14_tokenizer.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

V14Tokens tokensOf(const std::string& line) {
    V14Tokens tokens;
    tokens.fill("stale");
    tokenizeV14(line, tokens);
    return tokens;
}

TEST(V14Tokenizer, ARowSplitsIntoKeysAndValuesAtThreeSpacesAndEquals) {
    const V14Tokens tokens = tokensOf("   Joint=12   LoadPat=DEAD   CoordSys=GLOBAL   F1=100   F2=-2.5E-03");
    const char* expected[] = {"Joint", "12", "LoadPat", "DEAD", "CoordSys", "GLOBAL", "F1", "100", "F2", "-2.5E-03"};
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(tokens[i], expected[i]) << i;
    EXPECT_EQ(tokens[10], ""); // cleared, not left from before
}

TEST(V14Tokenizer, OneOrTwoSpacesStayInsideATokenAndAreTrimmedAtItsEnds) {
    const V14Tokens twoSpaces = tokensOf("   Joint=1  U1=Yes  U2=No");
    EXPECT_EQ(twoSpaces[0], "Joint");
    EXPECT_EQ(twoSpaces[1], "1  U1");
    EXPECT_EQ(twoSpaces[2], "Yes  U2");
    EXPECT_EQ(twoSpaces[3], "No");

    const V14Tokens padded = tokensOf("   Name= a b \t=x");
    EXPECT_EQ(padded[1], "a b");
    EXPECT_EQ(padded[2], "x");
}

TEST(V14Tokenizer, FourSpacesAreOneSeparatorAndFiveOrSixAreTwo) {
    const V14Tokens four = tokensOf("   A=1    B=2");
    EXPECT_EQ(four[1], "1");
    EXPECT_EQ(four[2], "B");

    for (const char* line : {"   A=1     B=2", "   A=1      B=2"}) {
        const V14Tokens tokens = tokensOf(line);
        EXPECT_EQ(tokens[1], "1") << line;
        EXPECT_EQ(tokens[2], "") << line;
        EXPECT_EQ(tokens[3], "B") << line;
        EXPECT_EQ(tokens[4], "2") << line;
    }
}

TEST(V14Tokenizer, CommasAndQuotesSeparateToo) {
    const V14Tokens tokens = tokensOf("   CurrUnits=\"N, mm, C\"   Next=1");
    EXPECT_EQ(tokens[0], "CurrUnits");
    EXPECT_EQ(tokens[1], "");
    EXPECT_EQ(tokens[2], "N");
    EXPECT_EQ(tokens[3], "mm");
    EXPECT_EQ(tokens[4], "C");
    // Three spaces right after a separator character are no separator of their own.
    EXPECT_EQ(tokens[5], "Next");
    EXPECT_EQ(tokens[6], "1");
}

TEST(V14Tokenizer, TextBeforeTheFirstSeparatorIsNoTokenAndTheFirstCharacterCountsTwice) {
    const V14Tokens noIndent = tokensOf("Joint=1   X=2");
    EXPECT_EQ(noIndent[0], "1");
    EXPECT_EQ(noIndent[1], "X");
    EXPECT_EQ(noIndent[2], "2");

    const V14Tokens leadingEquals = tokensOf("=a=b");
    EXPECT_EQ(leadingEquals[0], "");
    EXPECT_EQ(leadingEquals[1], "a");
    EXPECT_EQ(leadingEquals[2], "b");

    EXPECT_EQ(tokensOf("")[0], "");
    EXPECT_EQ(tokensOf("no separator at all")[0], "");
}

TEST(V14Tokenizer, TokensPastTheFortiethAreDropped) {
    std::string line;
    for (int i = 0; i < 30; ++i)
        line += "   K" + std::to_string(i) + "=" + std::to_string(i);
    const V14Tokens tokens = tokensOf(line);
    EXPECT_EQ(tokens[38], "K19");
    EXPECT_EQ(tokens[39], "19");
}

} // namespace
} // namespace kelvane
