#include "platform/linux_system.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "platform/text_editor.hpp"

namespace kulko {

void LinuxSystem::StartProgram(const std::filesystem::path& workDir, const std::string& program,
                               const std::vector<std::string>& args) {
    // The program is looked up in the working directory first, as the
    // updater lies beside the program's files, then on the PATH.
    std::filesystem::path local = workDir / program;
    std::string file = ::access(local.c_str(), X_OK) == 0 ? local.string() : program;
    std::vector<std::string> argv{file};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> raw;
    for (auto& arg : argv) {
        raw.push_back(arg.data());
    }
    raw.push_back(nullptr);
    // Fork twice so the started program is adopted by init and never
    // lingers as a zombie of ours; only async-signal-safe calls in children.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::fork() == 0) {
            ::setsid();
            ::execvp(raw[0], raw.data());
        }
        ::_exit(0);
    }
    if (child > 0) {
        ::waitpid(child, nullptr, 0);
    }
}

bool LinuxSystem::OpenInTextEditor(const std::filesystem::path& file) {
    const std::string name = file.string();
    for (const auto& command : EditorCommands(name, ::getenv("VISUAL"), ::getenv("EDITOR"))) {
        if (StartsWell(command, editorWait_)) {
            return true;
        }
    }
    return false;
}

void LinuxSystem::Exit() {
    ::_exit(0);
}

LinuxSystem::LinuxSystem(DownloadLimits limits, std::chrono::milliseconds editorWait)
    : limits_(limits), editorWait_(editorWait) {
    // The clock shows the user's long time format: the time category of the
    // locale comes from the environment (LC_ALL, LC_TIME, LANG), once.
    std::setlocale(LC_TIME, "");
}

// %X is the long time format of the locale taken at the start.
std::string LinuxSystem::TimeOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[64];
    if (std::strftime(text, sizeof text, "%X", &local) == 0) {
        return {};
    }
    return text;
}

std::uint32_t LinuxSystem::Seed() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const auto nanoseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000000000u +
                             static_cast<std::uint64_t>(now.tv_nsec);
    return static_cast<std::uint32_t>(nanoseconds);
}

}  // namespace kulko
