#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "text/digits.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kulko {

// Number fields in their usual form, read at a glance. Nearly every line of
// the results file and of the draw log holds numbers of one or two decimal
// digits separated by ";" and ends with CR LF: those are read here, each
// number without a branch per digit. Anything else (blanks, signs,
// hexadecimal, longer numbers, lone CRs) is not usual and is left to the
// program's full conversion, which gives the same values for usual fields.

// The most bytes a usual line is looked at.
inline constexpr std::size_t kUsualLineReach = 64;

// A line's start in a text, readable kUsualLineReach bytes far without a
// test at every byte: the text itself, or near its end a copy of its last
// bytes padded with zeros. A zero is neither a digit nor a separator, so a
// scan that runs past the end stops there.
class UsualLineView {
  public:
    UsualLineView(const char* text, std::size_t size, std::size_t at) : left_(size - at) {
        if (left_ >= kUsualLineReach) {
            bytes_ = text + at;
        } else {
            std::memcpy(padded_, text + at, left_);
            std::memset(padded_ + left_, 0, kUsualLineReach - left_);
            bytes_ = padded_;
        }
    }
    UsualLineView(const UsualLineView&) = delete;
    UsualLineView& operator=(const UsualLineView&) = delete;

    char operator[](std::size_t i) const { return bytes_[i]; }
    // The kUsualLineReach bytes from the line's start.
    const char* Bytes() const { return bytes_; }
    // Bytes left in the text from the line's start.
    std::size_t Left() const { return left_; }
    // Eight bytes from `i` as one word, the first byte lowest.
    std::uint64_t Word(std::size_t i) const {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes_ + i, sizeof word);
        if constexpr (std::endian::native == std::endian::big) {
            word = __builtin_bswap64(word);
        }
        return word;
    }

  private:
    const char* bytes_;
    std::size_t left_;
    char padded_[kUsualLineReach];
};

// The high bit of every byte of `word` that is not a decimal digit.
constexpr std::uint64_t NonDigitBytes(std::uint64_t word) {
    const std::uint64_t bits = word ^ 0x3030303030303030ull;  // digits become 0 to 9
    // Seven bits plus 0x76 cannot carry into the next byte; the sum reaches
    // the high bit from 10 up, and a byte whose own high bit is set is no
    // digit either.
    return (((bits & 0x7F7F7F7F7F7F7F7Full) + 0x7676767676767676ull) | bits) &
           0x8080808080808080ull;
}

// What the first kUsualLineMarked bytes of a line's view hold, bit i of a
// mask for byte i: its semicolons, line ends (CR, LF) and decimal digits,
// and for every byte the number that would end there: the digit itself, or
// with the digit before it as tens when that byte is a digit too. Found
// sixteen bytes at a time where the processor has them (every x86-64),
// without a branch on any byte: where a line and its numbers end is a coin
// toss from line to line.
inline constexpr std::size_t kUsualLineMarked = 48;

struct LineMarks {
    std::uint64_t semicolons = 0;
    std::uint64_t lineEnds = 0;
    std::uint64_t digits = 0;
    // Meaningful only where the byte is a digit.
    alignas(16) std::uint8_t numberEndingAt[kUsualLineMarked];
};

inline void MarkLine(const UsualLineView& line, LineMarks& marks) {
    static_assert(kUsualLineMarked % 16 == 0 && kUsualLineMarked <= kUsualLineReach);
#if defined(__SSE2__)
    const __m128i semicolon = _mm_set1_epi8(';');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i zero = _mm_set1_epi8('0');
    const __m128i nine = _mm_set1_epi8(9);
    __m128i before = _mm_setzero_si128();  // the digit values of the block before
    __m128i beforeDigits = _mm_setzero_si128();
    for (std::size_t i = 0; i < kUsualLineMarked / 16; ++i) {
        const __m128i block =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.Bytes() + 16 * i));
        const auto bits = [&](__m128i found) {
            return std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(found))} << (16 * i);
        };
        marks.semicolons |= bits(_mm_cmpeq_epi8(block, semicolon));
        marks.lineEnds |= bits(_mm_or_si128(_mm_cmpeq_epi8(block, lf), _mm_cmpeq_epi8(block, cr)));
        const __m128i value = _mm_sub_epi8(block, zero);
        const __m128i isDigit = _mm_cmpeq_epi8(_mm_min_epu8(value, nine), value);
        marks.digits |= bits(isDigit);
        // Each byte's previous one, the last of the block before first.
        const __m128i tens = _mm_and_si128(
            _mm_or_si128(_mm_slli_si128(value, 1), _mm_srli_si128(before, 15)),
            _mm_or_si128(_mm_slli_si128(isDigit, 1), _mm_srli_si128(beforeDigits, 15)));
        const __m128i twice = _mm_add_epi8(tens, tens);
        const __m128i eight = _mm_add_epi8(_mm_add_epi8(twice, twice), _mm_add_epi8(twice, twice));
        _mm_store_si128(reinterpret_cast<__m128i*>(marks.numberEndingAt + 16 * i),
                        _mm_add_epi8(_mm_add_epi8(eight, twice), value));
        before = value;
        beforeDigits = isDigit;
    }
#else
    unsigned tens = 0;
    for (std::size_t i = 0; i < kUsualLineMarked; ++i) {
        const char c = line[i];
        const unsigned value = static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
        marks.semicolons |= std::uint64_t{c == ';'} << i;
        marks.lineEnds |= std::uint64_t{c == '\n' || c == '\r'} << i;
        marks.digits |= std::uint64_t{value <= 9} << i;
        marks.numberEndingAt[i] = static_cast<std::uint8_t>(tens * 10 + value);
        tens = value <= 9 ? value : 0;
    }
#endif
}

// The value of eight decimal digits held in a word, the first digit in its
// lowest byte (as they lie in memory), in three multiplications instead of
// a step per digit; the word must hold digits only.
constexpr std::uint32_t EightDigitsValue(std::uint64_t word) {
    word -= 0x3030303030303030ull;
    word = word * 10 + (word >> 8);  // pairs of digits, in every other byte
    return static_cast<std::uint32_t>(
        ((word & 0x000000FF000000FFull) * (100 + (1000000ull << 32)) +
         ((word >> 16) & 0x000000FF000000FFull) * (1 + (10000ull << 32))) >>
        32);
}

// Reads the usual number tokens that start at line[at]: one or two digits
// each, ";" between them, at most `most` of them (at most six), the line
// ended by CR LF, LF or the end of the text. Returns how many were read,
// with `next` the offset after the line's end (from the line's start); 0
// when the text is not in that form (no token, a longer or other token,
// more than `most` tokens, another line end).
inline int ScanUsualTokens(const UsualLineView& line, std::size_t at, std::int32_t* values,
                           int most, std::size_t& next) {
    for (int count = 0; count < most;) {
        const auto first = static_cast<unsigned>(static_cast<unsigned char>(line[at])) - '0';
        if (first > 9) {
            return 0;
        }
        const auto second = static_cast<unsigned>(static_cast<unsigned char>(line[at + 1])) - '0';
        const bool twoDigits = second <= 9;
        values[count++] = static_cast<std::int32_t>(twoDigits ? first * 10 + second : first);
        at += twoDigits ? 2 : 1;
        if (at >= line.Left()) {
            next = line.Left();
            return count;
        }
        const char separator = line[at];
        if (separator == ';') {
            ++at;
        } else if (separator == '\n') {
            next = at + 1;
            return count;
        } else if (separator == '\r' && at + 1 < line.Left() && line[at + 1] == '\n') {
            next = at + 2;
            return count;
        } else {
            return 0;
        }
    }
    return 0;
}

}  // namespace kulko
