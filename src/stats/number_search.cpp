#include "stats/number_search.hpp"

#include <cstring>

#include "files/file_ops.hpp"
#include "files/line_blocks.hpp"

namespace kulko {
namespace {

// How many lines of `text` (whole lines) hold `wanted` within their text:
// the whole text is searched at once, and only where the search finds the
// wanted bytes is the line around them looked at.
std::size_t CountInText(std::string_view text, std::string_view wanted) {
    const char* at = text.data();
    const char* const end = at + text.size();
    std::size_t count = 0;
    while (at < end) {
        const void* found =
            ::memmem(at, static_cast<std::size_t>(end - at), wanted.data(), wanted.size());
        if (found == nullptr) {
            break;
        }
        const char* const match = static_cast<const char*>(found);
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
    const ReadOnlyFile file(resultsFile);
    LineBlocks blocks(file.Fd());
    std::size_t count = 0;
    std::string_view piece;
    while (blocks.Next(piece)) {
        count += CountInText(piece, text);
    }
    return count;
}

}  // namespace kulko
