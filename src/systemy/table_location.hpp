#pragma once

#include <filesystem>

namespace kulko {

// The file name of the shipped table of systems.
inline constexpr const char* kWheelTableName = "systemy.txt";

// Where the shipped table lies for a program installed at `program`:
// share/kulko/systemy.txt beside its bin directory. The build tree has the
// same layout, so a program run from there finds the table too.
std::filesystem::path ShippedTablePath(const std::filesystem::path& program);

// The running program's own file (/proc/self/exe); empty when unknown.
std::filesystem::path RunningProgram();

}  // namespace kulko
