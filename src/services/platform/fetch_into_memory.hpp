#pragma once

#include <string>

#include "platform/download_limits.hpp"

namespace kulko {

// An HTTP or HTTPS answer read into memory, or why none came whole.
struct MemoryFetch {
    std::string bytes;
    std::string error;  // in Polish; empty when the whole answer came
};

// Fetches an address under the limits of every download of the program
// (connection time, a stall, the whole time, the size); redirects are
// followed to http and https addresses only, and an error page is a failure.
MemoryFetch FetchIntoMemory(const std::string& url, const DownloadLimits& limits = {});

}  // namespace kulko
