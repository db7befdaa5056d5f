// Without a screen (over ssh, from cron) the windows and the launcher say so
// in one Polish line and end with status 2; --version, help and the
// commands of kulko-systemy need none.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.hpp"
#include "update/program_version.hpp"

#if defined(KULKO_PROGRAM) && defined(KULKO_SYSTEMY)
namespace kulko::test {
namespace {

TEST(NoScreen, WindowsSaySoInOneLineWhileVersionHelpAndCommandsWork) {
    // An installed tree, the home of the commands run in it.
    TempDir dir;
    std::filesystem::create_directories(dir / "libexec/kulko");
    std::filesystem::create_directories(dir / "bin");
    for (const char* name : {"kulko", "kulko-systemy"}) {
        std::filesystem::copy_file(KULKO_LAUNCHER, dir / "bin" / name);
    }
    std::filesystem::create_symlink(KULKO_PROGRAM, dir / "libexec/kulko/kulko");
    std::filesystem::create_symlink(KULKO_SYSTEMY, dir / "libexec/kulko/kulko-systemy");
    const auto run = [&](const std::string& command) {
        const int status = std::system(("cd '" + dir.Path().string() +
                                        "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
                                        "-u XDG_DATA_HOME HOME=. " +
                                        command + " >out 2>err")
                                           .c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    for (const std::string program :
         {KULKO_PROGRAM, KULKO_SYSTEMY, "bin/kulko", "bin/kulko-systemy"}) {
        EXPECT_EQ(run(program), 2) << program;
        const std::string err = dir.Read("err");
        EXPECT_TRUE(err.starts_with("Nie można otworzyć okna: brak ekranu")) << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1);
        EXPECT_EQ(err.find("polecenia kulko-systemy") != std::string::npos,
                  program.ends_with("systemy"));
    }
    EXPECT_FALSE(dir.Exists(".local"));  // the launcher made no directory; the program answers
    std::filesystem::create_directories(dir / ".local/share/kulko");
    std::filesystem::copy_file(KULKO_SHIPPED_HISTORY, dir / ".local/share/kulko/kulko.txt");
    const std::string version = std::string(" ") + kProgramVersion + "\n";
    const std::pair<std::string, std::string> answers[] = {
        {"bin/kulko --version", "kulko" + version},
        {"bin/kulko-systemy --version", "kulko-systemy" + version},
        {KULKO_WYNIKI " --version", "kulko-wyniki" + version},
        {"bin/kulko-systemy --help", "Użycie:\n"},
        {"bin/kulko-systemy liczby", "losowania: "},
    };
    for (const auto& [command, answer] : answers) {
        EXPECT_EQ(run(command), 0) << command << dir.Read("err");
        EXPECT_TRUE(dir.Read("out").starts_with(answer)) << command << dir.Read("out");
    }
}

}  // namespace
}  // namespace kulko::test
#endif
