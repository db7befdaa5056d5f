#include "import/input_text.hpp"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "files/text_file.hpp"

namespace kulko {
namespace {

// How much of the start of an input is looked at for its kind.
constexpr std::size_t kLookedAt = 4096;

struct Signature {
    std::string_view start;
    const char* what;
};

// Beginnings of the files most often taken for a list by mistake.
constexpr Signature kSignatures[] = {
    {"\x89PNG", "obraz PNG"},
    {"\xFF\xD8\xFF", "obraz JPEG"},
    {"GIF8", "obraz GIF"},
    {"%PDF-", "dokument PDF"},
    {"\x1F\x8B", "plik skompresowany gzip (najpierw go rozpakuj)"},
    {"BZh", "plik skompresowany bzip2 (najpierw go rozpakuj)"},
    {"\xFD"
     "7zXZ",
     "plik skompresowany xz (najpierw go rozpakuj)"},
    {"\x28\xB5\x2F\xFD", "plik skompresowany zstd (najpierw go rozpakuj)"},
    {"7z\xBC\xAF", "archiwum 7z"},
    {"PK\x03\x04", "archiwum ZIP albo arkusz XLSX lub ODS (zapisz arkusz jako CSV)"},
    {"\xD0\xCF\x11\xE0", "dokument pakietu Office, np. arkusz XLS (zapisz go jako CSV)"},
    {"\x7F"
     "ELF",
     "program (plik wykonywalny)"},
};

bool IsTextByte(unsigned char byte) {
    return byte >= 0x20 ? byte != 0x7F
                        : byte == '\n' || byte == '\r' || byte == '\t' ||
                              byte == static_cast<unsigned char>(kCtrlZ);
}

// UTF-16 without its mark: every other byte of plain text is a NUL and the
// bytes between are text. Programs and other binary files have NULs on both
// sides, or bytes between that no text holds.
bool LooksLikeUtf16(std::string_view head) {
    const std::size_t pairs = head.size() / 2;
    std::size_t nuls[2] = {0, 0};
    std::size_t text[2] = {0, 0};
    for (std::size_t i = 0; i < 2 * pairs; ++i) {
        nuls[i % 2] += head[i] == '\0' ? 1 : 0;
        text[i % 2] += IsTextByte(static_cast<unsigned char>(head[i])) ? 1 : 0;
    }
    const std::size_t side = nuls[0] >= nuls[1] ? 0 : 1;
    return pairs > 0 && nuls[side] * 4 >= pairs * 3 && nuls[1 - side] * 8 <= pairs &&
           text[1 - side] * 8 >= pairs * 7;
}

std::string_view BinaryKind(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, kLookedAt);
    for (const Signature& signature : kSignatures) {
        if (head.starts_with(signature.start)) {
            return signature.what;
        }
    }
    if (std::all_of(head.begin(), head.end(), [](char c) { return IsTextByte(c); })) {
        return {};
    }
    if (LooksLikeUtf16(head)) {
        return "tekst UTF-16 bez znacznika kolejności bajtów (zapisz go jako UTF-8)";
    }
    return "plik binarny, a nie tekst";
}

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return lower;
}

// A page of a web site or another marked-up document: no line of a list
// begins with "<".
std::string_view MarkupKind(std::string_view bytes) {
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || bytes[first] != '<') {
        return {};
    }
    const std::string head = Lowercase(bytes.substr(first, kLookedAt));
    if (head.find("<html") != std::string::npos || head.find("<!doctype html") == 0) {
        return "strona HTML (zapisz z niej listę wyników jako tekst albo podaj adres listy "
               "w postaci tekstowej)";
    }
    return "dokument XML albo HTML";
}

void AppendUtf8(std::string& text, std::uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | code >> 12);
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | code >> 18);
        text += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 after its byte order mark, as UTF-8; a unit without its pair
// becomes U+FFFD.
std::string FromUtf16(std::string_view units, bool bigEndian) {
    const auto unit = [&](std::size_t i) -> std::uint32_t {
        const auto a = static_cast<unsigned char>(units[2 * i]);
        const auto b = static_cast<unsigned char>(units[2 * i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    const std::size_t count = units.size() / 2;
    std::string text;
    text.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t code = unit(i);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < count && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(++i) - 0xDC00);
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        AppendUtf8(text, code);
    }
    return text;
}

}  // namespace

std::variant<std::string, NotAList> InputText(std::string bytes) {
    const std::string_view view = bytes;
    if (view.starts_with("\xFF\xFE") || view.starts_with("\xFE\xFF")) {
        bytes = FromUtf16(view.substr(2), view[0] == '\xFE');
    } else if (view.starts_with("\xEF\xBB\xBF")) {
        bytes.erase(0, 3);
    }
    if (const std::string_view kind = BinaryKind(bytes); !kind.empty()) {
        return NotAList{std::string(kind)};
    }
    if (const std::string_view kind = MarkupKind(bytes); !kind.empty()) {
        return NotAList{std::string(kind)};
    }
    return bytes;
}

}  // namespace kulko
