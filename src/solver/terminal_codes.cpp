#include "solver/terminal_codes.h"

namespace kelvane {

std::string withoutTerminalCodes(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\x1b') {
            plain += text[i];
            continue;
        }
        // ESC [ parameters and intermediates, then one final byte in @..~; a lone ESC is dropped.
        if (i + 1 < text.size() && text[i + 1] == '[') {
            std::size_t end = i + 2;
            while (end < text.size() && !(text[end] >= '@' && text[end] <= '~'))
                ++end;
            i = end < text.size() ? end : text.size() - 1;
        }
    }
    return plain;
}

} // namespace kelvane
