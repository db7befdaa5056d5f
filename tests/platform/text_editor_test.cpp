// Which stand-in program on the path gets the memory file ("Z pamięci").
#include <gtest/gtest.h>

#include <fstream>

#include "support/scoped_environment.hpp"
#include "support/temp_dir.hpp"
#include "platform/linux_system.hpp"

namespace kulko::test {
namespace {

TEST(TextEditorFallback, TriesTheOpenerThenTheNamedEditorsInATerminalThenAGraphicalEditor) {
    TempDir bin;
    const ScopedEnvironment path("PATH", bin.Path().string()), visual("VISUAL", "widok --tylko"),
        editor("EDITOR", "edytor");
    // Each notes its name, its argument count and its arguments, then does `rest`.
    const auto program = [&](const std::string& name, const std::string& rest) {
        std::ofstream(bin / name) << "#!/bin/sh\necho \"${0##*/} $# $*\" >>'"
                                  << (bin / "log").string() << "'\n"
                                  << rest << "\n";
        std::filesystem::permissions(bin / name, std::filesystem::perms::owner_all);
    };
    const std::string file = (bin / "moje zakłady/wyniki_kulko.txt").string();
    const std::string opener = "xdg-open 1 " + file + "\n";
    LinuxSystem system{DownloadLimits{}, std::chrono::milliseconds(400)};
    const auto open = [&](bool opened) {
        EXPECT_EQ(system.OpenInTextEditor(file), opened);
        const std::string noted = bin.Exists("log") ? bin.Read("log") : "";
        std::filesystem::remove(bin / "log");
        return noted;
    };
    program("xdg-open", "exit 0");
    EXPECT_EQ(open(true), opener);
    // VISUAL in a terminal, its words split, the file's name whole; EDITOR next.
    program("xdg-open", "exit 3");
    program("x-terminal-emulator", "shift; exec \"$@\"");
    program("widok", "exit 0");
    EXPECT_EQ(open(true), opener + "x-terminal-emulator 6 -e /bin/sh -c widok --tylko \"$1\" sh " +
                              file + "\nwidok 2 --tylko " + file + "\n");
    program("widok", "exit 1");
    program("edytor", "exit 0");
    EXPECT_TRUE(open(true).ends_with("edytor \"$1\" sh " + file + "\nedytor 1 " + file + "\n"));
    // No terminal: a graphical editor, taken as started when still running.
    std::filesystem::remove(bin / "x-terminal-emulator");
    program("mousepad", "/bin/sleep 2; exit 1");
    EXPECT_EQ(open(true), opener + "mousepad 1 " + file + "\n");
    std::filesystem::remove(bin / "mousepad");
    EXPECT_EQ(open(false), opener);
}

}  // namespace
}  // namespace kulko::test
