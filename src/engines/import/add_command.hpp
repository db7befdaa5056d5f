#pragma once

#include <iosfwd>

#include "import/import_options.hpp"
#include "import/tool_environment.hpp"

namespace kulko {

// "dodaj": reads every input, then the history once, plans the import and,
// unless it is a trial or nothing is new, replaces the history with the
// new draws added, keeping the previous one beside it. Returns the exit
// status.
int AddDraws(const ToolOptions& options, const ToolEnvironment& environment, std::istream& in,
             std::ostream& out, std::ostream& err);

}  // namespace kulko
