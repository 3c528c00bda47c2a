#pragma once

#include <array>
#include <string>
#include <string_view>

// The splitter of SAP2000 V14 table rows ("   Joint=1   CoordSys=GLOBAL   ..."): a key and its
// value are separate tokens, so in a row token 0 is the first key, token 1 its value, and so on.
namespace kelvane {

inline constexpr int kV14TokenCount = 40;
using V14Tokens = std::array<std::string, kV14TokenCount>;

// Separators are "=", ",", a double quote and every run of three spaces (a run of one or two
// spaces stays inside a token; three or four spaces are one separator, five or six are two with an
// empty token between). The text before the first separator is not a token. Tokens are trimmed
// of characters of code 32 or below. All 40 tokens are cleared first; tokens past the 40th are
// dropped (no table row reads beyond token 17).
void tokenizeV14(std::string_view line, V14Tokens& tokens);

} // namespace kelvane
