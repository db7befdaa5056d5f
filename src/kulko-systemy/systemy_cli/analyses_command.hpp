#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace kulko {

// Whether the arguments name one of the analyses: "historia", "filtry" or
// "liczby".
bool IsAnalysesCommand(const std::vector<std::string>& args);

// Runs the analysis args[0] names on the results file of workDir (and, for
// "historia" without --zestawy or --zestaw, its memory file): the results
// to out, notes and refusals to err. Returns the command mode's exit status.
int RunAnalysesCommand(const std::vector<std::string>& args, const std::filesystem::path& workDir,
                       std::ostream& out, std::ostream& err);

// The analyses' part of the usage.
std::string AnalysesHelpText();

}  // namespace kulko
