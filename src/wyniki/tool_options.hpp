#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "files/work_files.hpp"

namespace kulko {

// The command line of the results tool, taken apart.
struct ToolOptions {
    std::string command;  // "dodaj", "publikuj" or "sprawdz"; empty with help
    std::vector<std::string> operands;
    std::filesystem::path resultsFile = kResultsFile;
    std::string version;  // the published program version
    bool help = false;
};

// The options, or the text of what is wrong with the command line.
std::variant<ToolOptions, std::string> ParseToolOptions(const std::vector<std::string>& args);

// What "--help" prints.
std::string ToolHelpText();

}  // namespace kulko
