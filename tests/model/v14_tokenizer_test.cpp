#include "model/v14_tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {
namespace {

// The first `count` tokens of a line, tokenized over stale contents.
std::vector<std::string> tokensOf(const std::string& line, std::size_t count) {
    V14Tokens tokens;
    tokens.fill("stale");
    tokenizeV14(line, tokens);
    return {tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(count)};
}

using Tokens = std::vector<std::string>;

TEST(V14Tokenizer, ThreeSpacesEqualsCommasAndQuotesSeparate) {
    EXPECT_EQ(tokensOf("   Joint=12   LoadPat=DEAD   F1=-2.5E-03", 7),
              (Tokens{"Joint", "12", "LoadPat", "DEAD", "F1", "-2.5E-03", ""}));
    // Three spaces right after a separator character are no separator of their own.
    EXPECT_EQ(tokensOf("   CurrUnits=\"N, mm, C\"   Next=1", 7),
              (Tokens{"CurrUnits", "", "N", "mm", "C", "Next", "1"}));
}

TEST(V14Tokenizer, RunsOfSpacesSeparateByThrees) {
    EXPECT_EQ(tokensOf("   Joint=1  U1=Yes  U2=No", 4), (Tokens{"Joint", "1  U1", "Yes  U2", "No"}));
    EXPECT_EQ(tokensOf("   A=1    B=2", 4), (Tokens{"A", "1", "B", "2"}));
    EXPECT_EQ(tokensOf("   A=1     B=2", 5), (Tokens{"A", "1", "", "B", "2"}));
    EXPECT_EQ(tokensOf("   A=1      B=2", 5), (Tokens{"A", "1", "", "B", "2"}));
    EXPECT_EQ(tokensOf("   Name= a b \t=x", 3), (Tokens{"Name", "a b", "x"}));
}

TEST(V14Tokenizer, TextBeforeTheFirstSeparatorIsNoTokenAndTheFirstCharacterCountsTwice) {
    EXPECT_EQ(tokensOf("Joint=1   X=2", 3), (Tokens{"1", "X", "2"}));
    EXPECT_EQ(tokensOf("=a=b", 3), (Tokens{"", "a", "b"}));
    EXPECT_EQ(tokensOf("no separator", 1), (Tokens{""}));
    EXPECT_EQ(tokensOf("", 1), (Tokens{""}));
}

TEST(V14Tokenizer, TokensPastTheFortiethAreDropped) {
    std::string line;
    for (int i = 0; i < 30; ++i)
        line += "   K" + std::to_string(i) + "=" + std::to_string(i);
    EXPECT_EQ(tokensOf(line, 40).back(), "19");
}

} // namespace
} // namespace kelvane
