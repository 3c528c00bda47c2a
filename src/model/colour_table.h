#pragma once

#include <array>
#include <cstdint>

namespace kelvane {

inline constexpr std::int32_t rgb(int r, int g, int b) { return (r << 16) | (g << 8) | b; }
inline constexpr int redOf(std::int32_t colour) { return (colour >> 16) & 0xFF; }
inline constexpr int greenOf(std::int32_t colour) { return (colour >> 8) & 0xFF; }
inline constexpr int blueOf(std::int32_t colour) { return colour & 0xFF; }

// Sixteen colours, entries 1..16 (entry 0 unused): 1..10 element and support colours,
// 11..16 the six contour bands from the low end of a range to the high end.
struct ColourTable {
    std::array<std::int32_t, 17> entries{};
    std::int32_t operator[](int index) const { return entries.at(static_cast<std::size_t>(index)); }
};

ColourTable initPalette();

// The display colour of the k-th section: entry (k mod 20). Positions 17, 18, 19 and 0 lie outside
// the table and take the element colours 7, 8, 9 and 10.
std::int32_t sectionColour(const ColourTable& table, int k);

} // namespace kelvane
