#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "generator/generator_options.hpp"
#include "results/date_key.hpp"

namespace kulko {

// "kulko-systemy historia [--zestawy PLIK | --zestaw a;b;c;d;e;f]
// [--od DATA] [--do DATA]".
struct HistoryOptions {
    std::optional<std::string> setsFile;
    std::optional<std::string> set;  // as typed
    DateKey from = 0;
    DateKey to = 0;
};

// "kulko-systemy liczby [--ostatnie N]".
struct NumbersOptions {
    std::int64_t lastDraws = 10;
};

// The options, or what is wrong with the command line. args start after the
// command's name.
std::variant<HistoryOptions, std::string> ParseHistoryOptions(const std::vector<std::string>& args);
std::variant<GeneratorOptions, std::string> ParseFilterOptions(
    const std::vector<std::string>& args);
std::variant<NumbersOptions, std::string> ParseNumbersOptions(const std::vector<std::string>& args);

}  // namespace kulko
