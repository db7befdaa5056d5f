// Runs a program as a child process and waits for it: the tests run the
// built programs as their users run them, the benchmarks time them.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace kulko::test {

struct ChildRun {
    int exitStatus = -1;  // -1 when it did not start or did not exit by itself
    rusage usage{};       // its processor time and peak size
};

// Runs args[0] (looked up on the path) with standard output and error
// appended to output.
inline ChildRun RunChild(std::vector<std::string> args, const std::filesystem::path& output) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    ChildRun run;
    pid_t child = -1;
    int status = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
        ::wait4(child, &status, 0, &run.usage) == child && WIFEXITED(status)) {
        run.exitStatus = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

}  // namespace kulko::test
