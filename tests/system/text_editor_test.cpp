// "Z pamięci" on the real system: which program gets the memory file when
// the desktop's opener fails, with stand-in programs on the path.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "support/scoped_environment.hpp"
#include "support/temp_dir.hpp"
#include "system/linux_system.hpp"

namespace kulko::test {
namespace {

class TextEditorFallback : public ::testing::Test {
  protected:
    // A program on the path that notes its name and arguments ("|" between
    // them), then does what `rest` says.
    void Program(const std::string& name, const std::string& rest) {
        const std::filesystem::path file = bin / name;
        std::ofstream(file) << "#!/bin/sh\n{ printf '%s' \"${0##*/}\"; for a in \"$@\"; do "
                               "printf '|%s' \"$a\"; done; echo; } >>'"
                            << (bin / "log").string() << "'\n"
                            << rest << "\n";
        ::chmod(file.c_str(), 0755);
    }
    // What the programs noted since the last call.
    std::string Noted() {
        std::string noted = bin.Read("log");
        std::filesystem::remove(bin / "log");
        return noted;
    }
    bool Open() { return system.OpenInTextEditor(memory); }

    TempDir bin;
    TempDir work;
    std::filesystem::path memory = work / "moje zakłady/wyniki_kulko.txt";
    ScopedEnvironment path{"PATH", bin.Path().string()};
    ScopedEnvironment visual{"VISUAL", "widok --tylko"};
    ScopedEnvironment editor{"EDITOR", "edytor"};
    LinuxSystem system{DownloadLimits{}, std::chrono::milliseconds(400)};
};

TEST_F(TextEditorFallback, TriesTheOpenerThenTheNamedEditorsInATerminalThenAGraphicalEditor) {
    const std::string file = memory.string();
    Program("xdg-open", "exit 0");
    EXPECT_TRUE(Open());
    EXPECT_EQ(Noted(), "xdg-open|" + file + "\n");

    // The opener fails: VISUAL in the terminal, its arguments split, the
    // file's name whole.
    Program("xdg-open", "exit 3");
    Program("x-terminal-emulator", "shift; exec \"$@\"");
    Program("widok", "exit 0");
    EXPECT_TRUE(Open());
    const std::string inTerminal = "x-terminal-emulator|-e|/bin/sh|-c|";
    EXPECT_EQ(Noted(), "xdg-open|" + file + "\n" + inTerminal + "widok --tylko \"$1\"|sh|" + file +
                           "\nwidok|--tylko|" + file + "\n");

    // VISUAL's editor fails in the terminal: EDITOR's is next.
    Program("widok", "exit 1");
    Program("edytor", "exit 0");
    EXPECT_TRUE(Open());
    EXPECT_EQ(Noted(), "xdg-open|" + file + "\n" + inTerminal + "widok --tylko \"$1\"|sh|" + file +
                           "\nwidok|--tylko|" + file + "\n" + inTerminal + "edytor \"$1\"|sh|" +
                           file + "\nedytor|" + file + "\n");

    // No terminal: a graphical editor on the path, one still running after
    // the wait counting as started.
    std::filesystem::remove(bin / "x-terminal-emulator");
    Program("mousepad", "exec /bin/sleep 2");
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(Open());
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(3));
    EXPECT_EQ(Noted(), "xdg-open|" + file + "\nmousepad|" + file + "\n");

    // Nothing takes the file.
    std::filesystem::remove(bin / "mousepad");
    EXPECT_FALSE(Open());
    EXPECT_EQ(Noted(), "xdg-open|" + file + "\n");
}

}  // namespace
}  // namespace kulko::test
