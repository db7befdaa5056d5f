#include "update/program_version.hpp"

namespace kulko {

const char* const kProgramVersion = KULKO_VERSION;

}  // namespace kulko
