#pragma once

#include <cstddef>
#include <cstdint>

#include "text/digits.hpp"

namespace kulko {

// Number fields in their usual form, read at a glance. Nearly every line of
// the results file and of the draw log holds numbers of one or two decimal
// digits separated by ";" and ends with CR LF: those are read here, each
// number without a branch per digit. Anything else (blanks, signs,
// hexadecimal, longer numbers, lone CRs) is not usual and is left to the
// program's full conversion, which gives the same values for usual fields.

// The byte at `at`, or 0 past the end of the text: 0 is neither a digit nor
// a separator, so a scan that runs into the end stops there.
inline char ByteAt(const char* text, std::size_t size, std::size_t at) {
    return at < size ? text[at] : '\0';
}

// Reads the usual number tokens that start at text[at]: one or two digits
// each, ";" between them, at most `most` of them, the line ended by CR LF,
// LF or the end of the text. Returns how many were read, with `next` the
// offset after the line's end; 0 when the text is not in that form (no
// token, a longer or other token, more than `most` tokens, another line end).
inline int ScanUsualTokens(const char* text, std::size_t size, std::size_t at, std::int32_t* values,
                           int most, std::size_t& next) {
    for (int count = 0; count < most;) {
        const auto first =
            static_cast<unsigned>(static_cast<unsigned char>(ByteAt(text, size, at))) - '0';
        if (first > 9) {
            return 0;
        }
        const auto second =
            static_cast<unsigned>(static_cast<unsigned char>(ByteAt(text, size, at + 1))) - '0';
        const bool twoDigits = second <= 9;
        values[count++] = static_cast<std::int32_t>(twoDigits ? first * 10 + second : first);
        at += twoDigits ? 2 : 1;
        if (at >= size) {
            next = size;
            return count;
        }
        const char separator = text[at];
        if (separator == ';') {
            ++at;
        } else if (separator == '\n') {
            next = at + 1;
            return count;
        } else if (separator == '\r' && at + 1 < size && text[at + 1] == '\n') {
            next = at + 2;
            return count;
        } else {
            return 0;
        }
    }
    return 0;
}

}  // namespace kulko
