#pragma once

#include <filesystem>

namespace kulko::bench {

// A results file of the given number of sound, random draws in the
// temporary directory, made once per run and size.
std::filesystem::path SyntheticHistory(std::size_t lines);

// A draw log of the given number of random sets.
std::filesystem::path SyntheticDrawLog(std::size_t lines);

}  // namespace kulko::bench
