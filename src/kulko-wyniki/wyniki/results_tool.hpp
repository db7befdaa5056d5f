#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "import/import_options.hpp"
#include "import/tool_environment.hpp"

namespace kulko {

// The command-line tool "kulko-wyniki" that keeps the results file current:
// "dodaj" imports draws from results lists (files, "-" for standard input,
// http:// and https:// addresses), "publikuj" puts the results file where an
// update server serves it, "sprawdz" runs the program's validating read.
// args come without the program's name. Messages go to out and err in
// Polish.
int RunResultsTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, const ToolEnvironment& environment);

// The same in the local environment, without addresses.
int RunResultsTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace kulko
