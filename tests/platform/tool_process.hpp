// The results tool run as its users run it: the built program in a process
// of its own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/child_process.hpp"

namespace kulko::test {

// Runs the installed-to-be tool; its messages go to log. Returns its exit
// status, -1 when it did not run to its end.
inline int RunToolProcess(std::vector<std::string> args, const std::filesystem::path& log) {
    args.insert(args.begin(), KULKO_WYNIKI);
    return RunChild(std::move(args), log).exitStatus;
}

}  // namespace kulko::test
