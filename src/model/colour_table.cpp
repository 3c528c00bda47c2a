#include "model/colour_table.h"

namespace kelvane {

ColourTable initPalette() {
    ColourTable table;
    table.entries = {0,
                     rgb(255, 0, 0),   rgb(0, 0, 255),   rgb(0, 0, 0),     rgb(0, 94, 31),
                     rgb(98, 1, 96),   rgb(255, 0, 255), rgb(99, 99, 99),  rgb(96, 56, 17),
                     rgb(0, 53, 98),   rgb(237, 27, 35), rgb(255, 0, 0),   rgb(255, 255, 0),
                     rgb(0, 255, 0),   rgb(0, 255, 255), rgb(0, 0, 255),   rgb(255, 0, 255)};
    return table;
}

std::int32_t sectionColour(const ColourTable& table, int k) {
    int position = k % 20;
    if (position < 0)
        position += 20;
    switch (position) {
    case 17: return table[7];
    case 18: return table[8];
    case 19: return table[9];
    case 0: return table[10];
    default: return table[position];
    }
}

} // namespace kelvane
