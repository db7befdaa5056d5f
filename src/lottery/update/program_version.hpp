#pragma once

namespace kulko {

// The version of the program, as its caption and version notes give it.
inline constexpr const char* kProgramVersion = "1.13";

}  // namespace kulko
