#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "import/tool_environment.hpp"

namespace kulko {

// Whether the arguments name one of the analyses: "historia", "filtry" or
// "liczby".
bool IsAnalysesCommand(const std::vector<std::string>& args);

// The same on the directory the environment leads to: the current one when
// it holds the results file, else the player's working directory when that
// does (said on err); refused, naming both, when neither does.
int RunAnalysesCommand(const std::vector<std::string>& args, const ToolEnvironment& environment,
                       std::ostream& out, std::ostream& err);

// Runs the analysis args[0] names on the results file of workDir (and, for
// "historia" without --zestawy or --zestaw, its memory file): the results
// to out, notes and refusals to err. Returns the command mode's exit status.
int RunAnalysesCommand(const std::vector<std::string>& args, const std::filesystem::path& workDir,
                       std::ostream& out, std::ostream& err);

// The analyses' part of the usage.
std::string AnalysesHelpText();

}  // namespace kulko
