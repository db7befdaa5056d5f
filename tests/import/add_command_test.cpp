// "dodaj" seen from the player's side: a trial shows what would be added and
// changes nothing; an import lists what it added and keeps the history as it
// was beside it, also for a history reached by a symbolic link.
#include "import/add_command.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "support/scoped_environment.hpp"
#include "wyniki/tool_run.hpp"

namespace kulko::test {
namespace {

using AddCommandTest = ToolTest;

constexpr const char* kLastTwo =
    "  7296;03.01.2026;7;10;21;22;42;45\n  7297;06.01.2026;9;10;14;26;28;47\n"
    "Pominięto już obecnych w bazie: 28\nOstatnie losowanie: 06.01.2026\n";

TEST_F(AddCommandTest, ATrialChangesNothingAndAnImportKeepsThePreviousHistory) {
    const std::string history = ShippedWithout(2);
    dir.Write("kulko.txt", history);
    const std::string list = Sample("lista.txt");
    ToolRun run = RunTool({"dodaj", list, "--proba", "--baza", Base()});
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
    EXPECT_EQ(run.out, std::string("Losowań do dodania: 2\n") + kLastTwo +
                           "Próba: Baza nie została zmieniona.\n");
    EXPECT_TRUE(Unchanged(history));
    EXPECT_FALSE(dir.Exists("kulko.txt.poprzednia"));

    run = Add({list});
    EXPECT_EQ(run.out, std::string("Dodano losowań: 2\n") + kLastTwo +
                           "Poprzednia baza: " + Base() + ".poprzednia\n");
    EXPECT_TRUE(Unchanged(Shipped()));
    EXPECT_EQ(dir.Read("kulko.txt.poprzednia"), history);
    // Nothing new: nothing is written, and the kept history stays.
    run = Add({list});
    EXPECT_TRUE(run.out.starts_with("Dodano losowań: 0\n")) << run.out;
    EXPECT_EQ(dir.Read("kulko.txt.poprzednia"), history);

    // Through a link into this file system and into another one (where the
    // kept history must be a copy).
    for (const char* temporary : {"", "/dev/shm"}) {
        std::unique_ptr<TempDir> elsewhere;
        {
            const ScopedEnvironment place("TMPDIR",
                                          *temporary ? std::optional(temporary) : std::nullopt);
            elsewhere = std::make_unique<TempDir>();
        }
        elsewhere->Write("kulko.txt", history);
        std::filesystem::remove(dir / "link.txt");
        std::filesystem::create_symlink(*elsewhere / "kulko.txt", dir / "link.txt");
        run = RunTool({"dodaj", list, "--baza", (dir / "link.txt").string()});
        EXPECT_EQ(run.status, kToolSuccess) << run.err;
        EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
        EXPECT_EQ(elsewhere->Read("kulko.txt"), Shipped());
        EXPECT_EQ(dir.Read("link.txt.poprzednia"), history);
    }
}

}  // namespace
}  // namespace kulko::test
