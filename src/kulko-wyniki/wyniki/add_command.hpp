#pragma once

#include <iosfwd>

#include "wyniki/tool_environment.hpp"
#include "wyniki/tool_options.hpp"

namespace kulko {

// "dodaj": reads every input, then the history once, plans the import and,
// unless it is a trial or nothing is new, replaces the history with the
// new draws added, keeping the previous one beside it. Returns the exit
// status.
int AddDraws(const ToolOptions& options, const ToolEnvironment& environment, std::istream& in,
             std::ostream& out, std::ostream& err);

}  // namespace kulko
