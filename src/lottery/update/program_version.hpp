#pragma once

namespace kulko {

// The version of the program, as its caption, its version notes and
// --version give it: the project's version, set by the build.
extern const char* const kProgramVersion;

}  // namespace kulko
