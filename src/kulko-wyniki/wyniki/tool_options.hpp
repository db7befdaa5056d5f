#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "import/import_options.hpp"

namespace kulko {

// The options, or the text of what is wrong with the command line.
std::variant<ToolOptions, std::string> ParseToolOptions(const std::vector<std::string>& args);

// What "--help" prints.
std::string ToolHelpText();

}  // namespace kulko
