#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "wheels/guarantee.hpp"

namespace kulko {

// The command line of "kulko-systemy system", taken apart.
struct CommandOptions {
    bool help = false;
    bool version = false;                  // --version: the program's name and version
    std::string numbers;                   // as typed, "1;5;7-12;40"
    std::optional<std::string> guarantee;  // as typed, "3z6"
    bool full = false;
    int seconds = 3;
    std::uint32_t seed = 1;
    std::optional<std::filesystem::path> table;
};

// The options, or what is wrong with the command line (a usage error).
std::variant<CommandOptions, std::string> ParseCommandOptions(const std::vector<std::string>& args);

}  // namespace kulko
