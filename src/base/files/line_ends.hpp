#pragma once

#include <cstddef>

namespace kulko {

// Where lines end in bytes read from a text file. Lines are a few dozen
// bytes and files millions of lines: these look at sixteen bytes at a time
// where the processor has them (every x86-64), eight elsewhere.

// The first CR or LF from at on, or end.
const char* FindLineEnd(const char* at, const char* end);

// How many LF bytes lie between at and end.
std::size_t CountLineFeeds(const char* at, const char* end);

}  // namespace kulko
