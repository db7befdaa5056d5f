// What the tool says about the files it is given, and which history it
// takes when none is given.
#include "import/tool_files.hpp"

#include <gtest/gtest.h>

#include "wyniki/tool_run.hpp"

namespace kulko::test {
namespace {

using ToolFilesTest = ToolTest;

TEST_F(ToolFilesTest, RefusalsSayWhyInPolishWithThePath) {
    const std::string history = ShippedWithout(30);
    dir.Write("kulko.txt", history);
    const std::string missing = (dir / "brak.txt").string();
    const std::string list = Input("lista.csv", "");
    const std::pair<std::string, std::string> cases[] = {
        {missing, "nie ma pliku " + missing},
        {dir.Path().string(), dir.Path().string() + " to katalog, a nie plik"},
        {Input("strona.html", "\n  <!DOCTYPE html>\n<html><body><table><tr><td>07.01.2026</td>"),
         "to nie jest lista wyników, tylko strona HTML"},
        {Input("pole.csv", "07.01.2026,1,,3,4,5,6\n"), "wiersz 1: pole 3 jest puste"},
        {Input("data.csv", "07.01.26,1,2,3,4,5,6\n"),
         "„07.01.26” to data w nieznanej postaci; daty mogą"},
        {Input("dzien.csv", "Wt;07.01.2026;1;2;3;4;5;6\n"),
         "przed datą może stać tylko numer losowania"},
        {list, list + ": nie ma w nim żadnego losowania"},
    };
    for (const auto& [input, message] : cases) {
        const ToolRun run = Add({input});
        EXPECT_EQ(run.status, kToolBadInput);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_TRUE(Unchanged(history));
    }
    // UTF-16 with its byte order mark is read like UTF-8.
    std::string utf16 = "\xFF\xFE";
    for (const char c : ReadWholeFile(Sample("lista.txt"))) {
        utf16 += {c, '\0'};
    }
    const ToolRun run = Add({Input("utf16.txt", utf16)});
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
    EXPECT_TRUE(Unchanged(Shipped()));
}

TEST(ToolFiles, WithoutBazaThePlayersHistoryIsTakenAndNamed) {
    TempDir here;
    TempDir player;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(here.Path());
    ToolEnvironment environment = LocalEnvironment();
    environment.playerDirectory = player.Path();
    ToolRun run = RunTool({"sprawdz"}, {}, environment);
    EXPECT_EQ(run.status, kToolBadInput);
    EXPECT_EQ(run.err,
              "kulko-wyniki: nie ma bazy wyników kulko.txt ani w bieżącym katalogu, "
              "ani w katalogu roboczym programu " +
                  player.Path().string() + "; wskaż ją opcją --baza\n");
    player.Write("kulko.txt", ShippedWithout(30));
    // Standard input typed at a terminal is explained before it is read.
    environment.inputIsTerminal = true;
    run = RunTool({"dodaj", "-"}, ReadWholeFile(Sample("lista.txt")), environment);
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
    EXPECT_TRUE(run.out.starts_with("Baza wyników: " + (player / "kulko.txt").string() + "\n"));
    EXPECT_NE(run.err.find("Ctrl+D"), std::string::npos);
    EXPECT_EQ(player.Read("kulko.txt"), Shipped());
    // A history here comes first.
    here.Write("kulko.txt", Shipped());
    run = RunTool({"sprawdz"}, {}, environment);
    EXPECT_TRUE(run.out.starts_with("Struktura bazy wynikow prawidłowa\n")) << run.out;
    std::filesystem::current_path(before);
}

}  // namespace
}  // namespace kulko::test
