// Under a file-size limit, with SIGXFSZ at its default as a shell or a
// service manager leaves it, the programs themselves (not a child that
// ignores the signal) report a full disk instead of dying in the middle of
// a write, and leave every file as it was.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "faults/fault_support.hpp"

namespace kulko::test {
namespace {

// Runs the program in the directory with writes limited to `limit` bytes,
// its errors to `errors`; waits for its end at most `patience`, then ends
// it. The wait status, or nothing when it was still running.
std::optional<int> RunLimited(std::vector<std::string> args, const TempDir& dir, long limit,
                              std::chrono::seconds patience, const std::string& errors) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        const rlimit limits{static_cast<rlim_t>(limit), RLIM_INFINITY};
        const int err = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (::chdir(dir.Path().c_str()) == 0 && ::signal(SIGXFSZ, SIG_DFL) != SIG_ERR &&
            ::setrlimit(RLIMIT_FSIZE, &limits) == 0 && ::dup2(err, 2) == 2) {
            ::execv(argv[0], argv.data());
        }
        ::_exit(127);
    }
    int status = 0;
    const auto end = std::chrono::steady_clock::now() + patience;
    while (std::chrono::steady_clock::now() < end) {
        if (::waitpid(child, &status, WNOHANG) == child) {
            return status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return std::nullopt;
}

TEST(FileSizeLimitTest, TheProgramsSayDiskFullAndKeepEveryFile) {
    TempDir dir;
    TempDir notes;
    WriteUserFiles(dir);
    dir.Write("kulko.wer", "1.12\r\n");
    notes.Write("input.txt", "0061;01.02.2006;1;2;3;4;5;6\r\n");
    const DirSnapshot before = Snapshot(dir);
    const std::string errors = (notes / "errors").string();

    // The import grows the history beyond the limit.
    const auto tool = RunLimited({KULKO_WYNIKI, "dodaj", (notes / "input.txt").string()}, dir,
                                 static_cast<long>(before.at("kulko.txt").size()),
                                 std::chrono::seconds(20), errors);
    ASSERT_TRUE(tool.has_value());
    EXPECT_TRUE(WIFEXITED(*tool) && WEXITSTATUS(*tool) == 1) << "wait status " << *tool;
    EXPECT_EQ(notes.Read("errors"),
              "kulko-wyniki: kulko.txt: Disk full\nBaza nie została zmieniona.\n");
    EXPECT_EQ(Snapshot(dir), before);

#ifdef KULKO_PROGRAM
    // Start-up cannot write the version note: the window shows the error box
    // and waits for the user, however long.
    const auto window = RunLimited({KULKO_PROGRAM}, dir, 3, std::chrono::seconds(4), errors);
    EXPECT_FALSE(window.has_value()) << "the window ended, wait status " << *window;
    EXPECT_EQ(Snapshot(dir), before);
#endif
}

}  // namespace
}  // namespace kulko::test
