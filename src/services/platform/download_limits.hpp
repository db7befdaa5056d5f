#pragma once

#include <chrono>
#include <cstdint>

namespace kulko {

// Bounds of one HTTP fetch, so that start-up never waits on the network for
// long: the fetches run before the window is first shown.
struct DownloadLimits {
    // Name lookup and connection together.
    std::chrono::milliseconds connectTimeout{4000};
    // Given up when no body byte has arrived for this long.
    std::chrono::milliseconds stallTimeout{10000};
    // The whole transfer, however steadily it trickles.
    std::chrono::milliseconds totalTimeout{120000};
    // No real history comes near this; more is a wrong or hostile answer.
    std::uint64_t maxBytes = 64u * 1024u * 1024u;
};

}  // namespace kulko
