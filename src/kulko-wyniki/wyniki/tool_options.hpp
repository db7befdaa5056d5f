#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kulko {

// The command line of the results tool, taken apart.
struct ToolOptions {
    std::string command;  // "dodaj", "publikuj" or "sprawdz"; empty with help
    std::vector<std::string> operands;
    std::optional<std::filesystem::path> resultsFile;  // given with --baza
    std::string version;                               // the published program version
    bool trial = false;  // --proba: show what would be added, change nothing
    bool help = false;
};

// The options, or the text of what is wrong with the command line.
std::variant<ToolOptions, std::string> ParseToolOptions(const std::vector<std::string>& args);

// What "--help" prints.
std::string ToolHelpText();

}  // namespace kulko
