#include "files/line_ends.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kulko {
namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;

std::uint64_t Word(const char* at) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// The high bit of each byte of the word that equals c, and no other bit.
std::uint64_t ByteMarks(std::uint64_t word, char c) {
    constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7full;
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

}  // namespace

const char* FindLineEnd(const char* at, const char* end) {
#if defined(__SSE2__)
    // Sixteen bytes at a time where the processor has them (every x86-64).
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; end - at >= 16; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const int marks =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, lf), _mm_cmpeq_epi8(block, cr)));
        if (marks != 0) {
            return at + std::countr_zero(static_cast<unsigned>(marks));
        }
    }
#endif
    if constexpr (std::endian::native == std::endian::little) {
        for (; end - at >= 8; at += 8) {
            const std::uint64_t word = Word(at);
            if (const std::uint64_t marks = ByteMarks(word, '\n') | ByteMarks(word, '\r')) {
                return at + std::countr_zero(marks) / 8;
            }
        }
    }
    while (at != end && *at != '\n' && *at != '\r') {
        ++at;
    }
    return at;
}

std::size_t CountLineFeeds(const char* at, const char* end) {
    std::size_t count = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: each byte lane counts its LFs for up to 255
    // blocks, then the lanes are added up.
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - at >= 16) {
        const char* const stop = at + std::min<std::ptrdiff_t>((end - at) / 16, 255) * 16;
        __m128i lanes = _mm_setzero_si128();
        for (; at != stop; at += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(block, lf));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si64(sums)) +
                 static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
#endif
    for (; end - at >= 8; at += 8) {
        // One bit a byte, added up across the word by one multiplication.
        count += static_cast<std::size_t>(((ByteMarks(Word(at), '\n') >> 7) * kOnes) >> 56);
    }
    return count + static_cast<std::size_t>(std::count(at, end, '\n'));
}

}  // namespace kulko
