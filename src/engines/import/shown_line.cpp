#include "import/shown_line.hpp"

#include <cstdint>

namespace kulko {
namespace {

// The length of the UTF-8 sequence at the start of text, or 0 when it is
// none (a stray byte, a cut or an overlong sequence).
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return 0;
        }
        code = code << 6 | (byte(i) & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    // The C1 controls (U+0080 to U+009F) drive terminals as much as ESC does.
    const bool control = code >= 0x80 && code <= 0x9F;
    return overlong || surrogate || control || code > 0x10FFFF ? 0 : length;
}

void AppendEscaped(std::string& shown, std::uint8_t byte) {
    constexpr char kHex[] = "0123456789ABCDEF";
    shown += "\\x";
    shown += kHex[byte >> 4];
    shown += kHex[byte & 0x0F];
}

}  // namespace

std::string ShownLine(std::string_view line) {
    std::string shown;
    std::size_t characters = 0;
    while (!line.empty()) {
        if (characters == kShownCharacters) {
            return shown + "…";
        }
        const std::size_t length = SequenceLength(line);
        const auto lead = static_cast<std::uint8_t>(line.front());
        if (length == 0 || (lead < 0x20 && lead != '\t') || lead == 0x7F) {
            AppendEscaped(shown, lead);
            line.remove_prefix(1);
        } else {
            shown.append(line.substr(0, length));
            line.remove_prefix(length);
        }
        ++characters;
    }
    return shown;
}

}  // namespace kulko
