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

// "-h" or "--help" after the name of an analysis.
struct AnalysesHelp {};

// The options of the analysis named first in args ("historia", "filtry" or
// "liczby"), help, or what is wrong with the command line.
using AnalysesRequest =
    std::variant<HistoryOptions, GeneratorOptions, NumbersOptions, AnalysesHelp, std::string>;
AnalysesRequest ParseAnalysesOptions(const std::vector<std::string>& args);

}  // namespace kulko
