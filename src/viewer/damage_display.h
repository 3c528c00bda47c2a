#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The damage shown on the model: a mark on every damaged section in the colour of the worst state
// it reached, and a legend with the counts.
namespace kelvane {

enum DamageState : int { SteelYielded = 0, CoverSpalled = 1, CoreCrushed = 2, RebarUltimate = 3 };
inline constexpr int kDamageStateCount = 4;

// The names the counts are printed with, in the order of DamageState.
inline constexpr std::array<const char*, kDamageStateCount> kDamageStateNames{
    "steel_yielded", "cover_spalled", "core_crushed", "rebar_ultimate"};
// The legend's captions and colours (0xRRGGBB).
inline constexpr std::array<const char*, kDamageStateCount> kDamageStateCaptions{
    "Steel yielded", "Cover spalled", "Core crushed", "Rebar at ultimate strain"};
inline constexpr std::array<std::int32_t, kDamageStateCount> kDamageStateColours{0xF0C000, 0xFF7000, 0xD00000,
                                                                                 0x7000A0};

struct DamageMark {
    std::int32_t frame = 0;
    double position = 0; // along the frame, 0 at joint I and 1 at joint J
    int state = 0;       // the worst state the section reached
};

struct DamageDisplay {
    std::int32_t step = 0; // 0: no damage shown
    int sections = 0;      // the fiber sections judged
    std::vector<DamageMark> marks;
    std::array<int, kDamageStateCount> counts{};
};

} // namespace kelvane
