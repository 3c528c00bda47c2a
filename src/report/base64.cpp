#include "report/base64.h"

#include <cstddef>
#include <cstdint>

namespace kelvane {

std::string base64Encode(std::string_view bytes) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t at = 0;
    for (; at + 3 <= bytes.size(); at += 3) {
        const std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 16 |
                                    static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1]))
                                        << 8 |
                                    static_cast<unsigned char>(bytes[at + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            text += kAlphabet[(group >> shift) & 63];
    }
    const std::size_t rest = bytes.size() - at;
    if (rest > 0) {
        std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 16;
        if (rest == 2)
            group |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
        text += kAlphabet[(group >> 18) & 63];
        text += kAlphabet[(group >> 12) & 63];
        text += rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
        text += '=';
    }
    return text;
}

} // namespace kelvane
