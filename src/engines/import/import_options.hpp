#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kulko {

// Exit status of an import, as the command-line tool ends with it.
inline constexpr int kToolSuccess = 0;
inline constexpr int kToolBadInput = 1;  // bad input, a damaged or unreadable file
inline constexpr int kToolWrongUsage = 2;

// The command line of the results tool, taken apart.
struct ToolOptions {
    std::string command;  // "dodaj", "publikuj" or "sprawdz"; empty with help
    std::vector<std::string> operands;
    std::optional<std::filesystem::path> resultsFile;  // given with --baza
    std::string version;                               // the published program version
    bool trial = false;  // --proba: show what would be added, change nothing
    bool help = false;
    bool showVersion = false;  // --version: the program's name and version
};

}  // namespace kulko
