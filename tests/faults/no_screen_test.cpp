// The programs as a player meets them on a machine without a screen (over
// ssh, from cron, on a server): the windows and the launcher say so in one
// Polish line and end with status 2 instead of aborting; the commands of
// kulko-systemy, help and --version need no screen.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.hpp"
#include "update/program_version.hpp"

#if defined(KULKO_PROGRAM) && defined(KULKO_SYSTEMY)
namespace kulko::test {
namespace {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Runs a command line of the shell in the directory, without a screen and
// with the directory as the home.
ProgramRun WithoutScreen(const TempDir& dir, const std::string& command) {
    const std::string line =
        "cd '" + dir.Path().string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY" +
        " -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME=. " + command + " >out 2>err";
    const int status = std::system(line.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, dir.Read("out"), dir.Read("err")};
}

// An installed tree: the launcher on the path under the programs' names,
// the programs off it.
std::filesystem::path Install(const TempDir& dir) {
    const std::filesystem::path prefix = dir / "prefix";
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "libexec/kulko");
    for (const char* name : {"kulko", "kulko-systemy"}) {
        std::filesystem::copy_file(KULKO_LAUNCHER, prefix / "bin" / name);
    }
    std::filesystem::create_symlink(KULKO_PROGRAM, prefix / "libexec/kulko/kulko");
    std::filesystem::create_symlink(KULKO_SYSTEMY, prefix / "libexec/kulko/kulko-systemy");
    return prefix;
}

TEST(NoScreen, TheWindowsAndTheLauncherSaySoInOneLineAndEndWithTwo) {
    TempDir dir;
    const std::filesystem::path bin = Install(dir) / "bin";
    for (const std::string& program :
         {std::string(KULKO_PROGRAM), std::string(KULKO_SYSTEMY), (bin / "kulko").string(),
          (bin / "kulko-systemy").string()}) {
        SCOPED_TRACE(program);
        const ProgramRun run = WithoutScreen(dir, program);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("Nie można otworzyć okna: brak ekranu")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        const bool systemy = program.ends_with("kulko-systemy");
        EXPECT_EQ(run.err.find("polecenia kulko-systemy") != std::string::npos, systemy);
    }
    // The launcher made no working directory.
    EXPECT_FALSE(dir.Exists(".local"));
}

TEST(NoScreen, CommandsHelpAndVersionNeedNone) {
    TempDir dir;
    const std::filesystem::path bin = Install(dir) / "bin";
    std::filesystem::create_directories(dir / ".local/share/kulko");
    std::filesystem::copy_file(KULKO_SHIPPED_HISTORY, dir / ".local/share/kulko/kulko.txt");
    const std::string version = std::string(" ") + kProgramVersion + "\n";
    const std::pair<std::string, std::string> answers[] = {
        {KULKO_PROGRAM " --version", "kulko" + version},
        {(bin / "kulko").string() + " --version", "kulko" + version},
        {(bin / "kulko-systemy").string() + " --version", "kulko-systemy" + version},
        {KULKO_WYNIKI " --version", "kulko-wyniki" + version},
        {(bin / "kulko-systemy").string() + " --help", "Użycie:\n"},
        {(bin / "kulko-systemy").string() + " liczby --ostatnie 5", "losowania: "},
    };
    for (const auto& [command, answer] : answers) {
        SCOPED_TRACE(command);
        const ProgramRun run = WithoutScreen(dir, command);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(run.out.starts_with(answer)) << run.out;
    }
}

}  // namespace
}  // namespace kulko::test
#endif
