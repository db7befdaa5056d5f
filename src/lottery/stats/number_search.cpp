#include "stats/number_search.hpp"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "files/file_ops.hpp"
#include "files/text_reader.hpp"

namespace kulko {
namespace {

// The first place of `wanted` in [at, end), or nullptr. A short text such as
// "2;3" is everywhere in a results file, byte by byte: sixteen places are
// tried at once by their first and last bytes, and only where both agree
// are the bytes between compared.
const char* FindRun(const char* at, const char* end, std::string_view wanted) {
    const std::size_t size = wanted.size();
#if defined(__SSE2__)
    if (size >= 2) {
        const __m128i first = _mm_set1_epi8(wanted.front());
        const __m128i last = _mm_set1_epi8(wanted.back());
        // While the sixteen runs from `at` on all lie within the text.
        while (end - at >= static_cast<std::ptrdiff_t>(size + 15)) {
            const auto* starts = reinterpret_cast<const __m128i*>(at);
            const auto* ends = reinterpret_cast<const __m128i*>(at + size - 1);
            auto places = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(_mm_loadu_si128(starts), first),
                                                _mm_cmpeq_epi8(_mm_loadu_si128(ends), last))));
            while (places != 0) {
                const char* const place = at + std::countr_zero(places);
                if (std::memcmp(place + 1, wanted.data() + 1, size - 2) == 0) {
                    return place;
                }
                places &= places - 1;
            }
            at += 16;
        }
    }
#endif
    return static_cast<const char*>(
        ::memmem(at, static_cast<std::size_t>(end - at), wanted.data(), size));
}

// How many lines of `text` (whole lines) hold `wanted` within their text:
// the whole text is searched at once, and only where the search finds the
// wanted bytes is the line around them looked at.
std::size_t CountInText(std::string_view text, std::string_view wanted) {
    const char* at = text.data();
    const char* const end = at + text.size();
    std::size_t count = 0;
    while (at < end) {
        const char* const match = FindRun(at, end, wanted);
        if (match == nullptr) {
            break;
        }
        // The line holding the match: from after the LF before it to its
        // text's end, the first CR or LF.
        const void* lf = ::memrchr(at, '\n', static_cast<std::size_t>(match - at));
        const char* const lineStart = lf == nullptr ? at : static_cast<const char*>(lf) + 1;
        std::string_view rest(lineStart, static_cast<std::size_t>(end - lineStart));
        const std::string_view lineText = TakeLine(rest);
        // A match that runs past the text, or lies after it (between a CR and
        // the LF), does not count; no later match in that line can either.
        if (match + wanted.size() <= lineText.data() + lineText.size()) {
            ++count;
        }
        at = rest.data();
    }
    return count;
}

}  // namespace

std::size_t CountLinesContaining(const std::filesystem::path& resultsFile, std::string_view text) {
    if (text.empty() || !FileExists(resultsFile)) {
        return 0;
    }
    TextReader reader(resultsFile);
    std::size_t count = 0;
    std::string_view piece;
    while (reader.NextPiece(piece)) {
        count += CountInText(piece, text);
    }
    return count;
}

}  // namespace kulko
