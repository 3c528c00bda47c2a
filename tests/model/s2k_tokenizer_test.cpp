#include "model/s2k_tokenizer.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace kelvane;

namespace {

// The non-empty prefix of the fields up to the last non-empty one.
std::vector<std::string> fieldsOf(std::string_view line) {
    LineFields fields;
    EXPECT_TRUE(tokenizeLine(line, fields)) << line;
    std::size_t used = 0;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (!fields[i].empty())
            used = i + 1;
    return {fields.begin(), fields.begin() + static_cast<std::ptrdiff_t>(used)};
}

using Fields = std::vector<std::string>;

} // namespace

TEST(Tokenizer, JointLineGivesLabelKeysAndValuesAtFixedPlaces) {
    EXPECT_EQ(fieldsOf("  17  X=1.2500E+003  Y=-3.0000E+002  Z=0.0000E+000"),
              (Fields{"17", "X", "1.2500E+003", "Y", "-3.0000E+002", "Z", "0.0000E+000"}));
}

TEST(Tokenizer, LeadingSpacesDecideWhereTheFirstWordLands) {
    EXPECT_EQ(fieldsOf("    TYPE=FORCE"), (Fields{"", "TYPE", "FORCE"}));
    EXPECT_EQ(fieldsOf("      ADD=5  UX=1.50000E+001"), (Fields{"", "", "ADD", "5", "UX", "1.50000E+001"}));
    EXPECT_EQ(fieldsOf("  NAME=PUSH"), (Fields{"NAME", "PUSH"}));
    // One leading space: the first character is examined twice, and the key is lost.
    EXPECT_EQ(fieldsOf(" NAME=PUSH"), (Fields{"PUSH"}));
    // No leading space: the first two separated pieces are lost.
    EXPECT_EQ(fieldsOf("JOINT"), Fields{});
    EXPECT_EQ(fieldsOf("KEY=VALUE"), Fields{});
    EXPECT_EQ(fieldsOf("A=B=C"), (Fields{"C"}));
    // A separator as the first character is recorded twice: the piece after it is field 0.
    EXPECT_EQ(fieldsOf("=A=B"), (Fields{"A", "B"}));
}

TEST(Tokenizer, SpaceRunsAndSeparatorsFollowTheRecordingRule) {
    // Three spaces record the 1st and the 3rd: one extra empty field.
    EXPECT_EQ(fieldsOf("  A   B"), (Fields{"A", "", "B"}));
    EXPECT_EQ(fieldsOf("  A    B"), (Fields{"A", "", "B"}));
    EXPECT_EQ(fieldsOf("  A     B"), (Fields{"A", "", "", "B"}));
    EXPECT_EQ(fieldsOf("  A B"), (Fields{"A", "B"}));
    // Directly after "=" the first space is not a separator.
    EXPECT_EQ(fieldsOf("  A= B"), (Fields{"A", "B"}));
    EXPECT_EQ(fieldsOf("  A=  B"), (Fields{"A", "", "B"}));
    // Two adjacent separators give an empty field.
    EXPECT_EQ(fieldsOf("  A=,B"), (Fields{"A", "", "B"}));
    EXPECT_EQ(fieldsOf("  NAME=\"X Y\"  T=1"), (Fields{"NAME", "", "X", "Y", "", "T", "1"}));
    EXPECT_EQ(fieldsOf("  1  J=1,2,3,4,5,6,7,8  SEC=100"),
              (Fields{"1", "J", "1", "2", "3", "4", "5", "6", "7", "8", "SEC", "100"}));
    // A trailing separator closes an empty last field.
    EXPECT_EQ(fieldsOf("  A=B,"), (Fields{"A", "B"}));
}

TEST(Tokenizer, FieldsAreTrimmedOfControlCharactersButKeepHighBytes) {
    EXPECT_EQ(fieldsOf("  \tA\t=\x01"
                       "B\r"),
              (Fields{"A", "B"}));
    EXPECT_EQ(fieldsOf("  \xA0x=\xFF"), (Fields{"\xA0x", "\xFF"}));
    EXPECT_EQ(fieldsOf(std::string_view("  A\0B=C", 7)), (Fields{std::string("A\0B", 3), "C"}));
}

TEST(Tokenizer, EveryCallClearsAllFortyFields) {
    LineFields fields;
    ASSERT_TRUE(tokenizeLine("  1  J=1,2,3,4,5,6,7,8  SEC=100", fields));
    ASSERT_TRUE(tokenizeLine("  A=B", fields));
    EXPECT_EQ(fields[0], "A");
    EXPECT_EQ(fields[1], "B");
    for (std::size_t i = 2; i < fields.size(); ++i)
        EXPECT_TRUE(fields[i].empty()) << "field " << i;
    ASSERT_TRUE(tokenizeLine("", fields));
    ASSERT_TRUE(tokenizeLine(" ", fields));
    for (const auto& field : fields)
        EXPECT_TRUE(field.empty());
}

TEST(Tokenizer, FortyRecordedPositionsAreTheLimit) {
    // "  a" then 37 times ",a": positions 0, 2, the 37 commas and the end: 40 in all, 38 fields.
    std::string line = "  a";
    for (int i = 0; i < 37; ++i)
        line += ",a";
    LineFields fields;
    ASSERT_TRUE(tokenizeLine(line, fields));
    EXPECT_EQ(fields[37], "a");
    EXPECT_EQ(fields[38], "");

    line += ",a";
    EXPECT_FALSE(tokenizeLine(line, fields));
    for (const auto& field : fields)
        EXPECT_TRUE(field.empty());
}

TEST(Tokenizer, SingleFieldTestAgreesWithTheFullSplit) {
    std::mt19937 random(11);
    const std::string alphabet = "  ==,\"AD1\t";
    for (int round = 0; round < 3000; ++round) {
        std::string line(random() % 24, ' ');
        for (auto& c : line)
            c = alphabet[random() % alphabet.size()];
        LineFields fields;
        ASSERT_TRUE(tokenizeLine(line, fields));
        for (int n = 0; n < 12; ++n) {
            EXPECT_TRUE(fieldEquals(line, n, fields[static_cast<std::size_t>(n)]))
                << "[" << line << "] " << n;
            EXPECT_FALSE(fieldEquals(line, n, fields[static_cast<std::size_t>(n)] + "x"))
                << "[" << line << "] " << n;
        }
    }
    EXPECT_TRUE(fieldEquals("      ADD=5  UX=1", 2, "ADD"));
    EXPECT_FALSE(fieldEquals("    ADD=5  UX=1", 2, "ADD"));
}
