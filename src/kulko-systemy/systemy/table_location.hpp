#pragma once

#include <filesystem>

namespace kulko {

// The file name of the shipped table of systems.
inline constexpr const char* kWheelTableName = "systemy.txt";

// Where the shipped table lies for a program installed at `program`:
// share/kulko/systemy.txt below the prefix of libexec/kulko, or beside the
// program's own folder as in the build tree.
std::filesystem::path ShippedTablePath(const std::filesystem::path& program);

// The running program's own file (/proc/self/exe); empty when unknown.
std::filesystem::path RunningProgram();

}  // namespace kulko
