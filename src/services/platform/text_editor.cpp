#include "platform/text_editor.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include "files/read_some.hpp"

namespace kulko {
namespace {

// Graphical text editors of the common desktops, the desktop's own first.
constexpr const char* kGraphicalEditors[] = {
    "gnome-text-editor", "gedit",   "kwrite", "kate",  "mousepad", "pluma", "xed", "geany",
    "featherpad",        "leafpad", "gvim",   "xedit",
};

// The editor variables may hold arguments too ("emacs -nw"), so the shell
// splits them, as other programs that honour them do.
std::vector<std::string> InTerminal(const std::string& editor, const std::string& file) {
    return {"x-terminal-emulator", "-e", "/bin/sh", "-c", editor + " \"$1\"", "sh", file};
}

// Runs in the watcher process, between fork and _exit: only calls that are
// safe there. Starts the program and reports in one byte whether it ended
// with success.
[[noreturn]] void Watch(char* const* argv, int report) {
    ::setsid();
    const pid_t program = ::fork();
    if (program == 0) {
        ::execvp(argv[0], argv);
        ::_exit(127);
    }
    int status = 0;
    pid_t waited = -1;
    while (program > 0 && (waited = ::waitpid(program, &status, 0)) < 0 && errno == EINTR) {
    }
    const char succeeded = waited == program && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    // Nobody may be listening any more: the program outlived the wait.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, nullptr);
    (void)!::write(report, &succeeded, 1);
    ::_exit(0);
}

}  // namespace

std::vector<std::vector<std::string>> EditorCommands(const std::string& file, const char* visual,
                                                     const char* editor) {
    std::vector<std::vector<std::string>> commands{{"xdg-open", file}};
    const std::string named[] = {visual == nullptr ? "" : visual, editor == nullptr ? "" : editor};
    if (!named[0].empty()) {
        commands.push_back(InTerminal(named[0], file));
    }
    if (!named[1].empty() && named[1] != named[0]) {
        commands.push_back(InTerminal(named[1], file));
    }
    for (const char* program : kGraphicalEditors) {
        commands.push_back({program, file});
    }
    return commands;
}

bool StartsWell(const std::vector<std::string>& command, std::chrono::milliseconds wait) {
    if (command.empty()) {
        return false;
    }
    std::vector<std::string> args = command;
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    // The middle process ends at once, so the watcher is adopted by init
    // and never lingers as a zombie of ours, however long the program runs.
    const pid_t middle = ::fork();
    if (middle == 0) {
        if (::fork() == 0) {
            Watch(argv.data(), report[1]);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    if (middle < 0) {
        ::close(report[0]);
        return false;
    }
    ::waitpid(middle, nullptr, 0);

    const auto deadline = std::chrono::steady_clock::now() + wait;
    bool took = true;  // still running when the wait is over
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{report[0], POLLIN, 0};
        const int polled =
            ::poll(&ready, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled > 0) {
            // No byte at all: the watcher could not start the program.
            char succeeded = 0;
            took = ReadSome(report[0], &succeeded, 1) == 1 && succeeded == 1;
        }
        break;
    }
    ::close(report[0]);
    return took;
}

}  // namespace kulko
