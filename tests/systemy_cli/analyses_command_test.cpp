// The command forms of the analyses: their lines, and a damaged results file.
#include "systemy_cli/analyses_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_dir.hpp"
#include "systemy_cli/systemy_command.hpp"

namespace kulko::test {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCommand(const TempDir& dir, std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunAnalysesCommand(args, dir.Path(), out, err);
    return {status, out.str(), err.str()};
}

constexpr const char* kHistory =
    "1;01.01.2000;3;7;12;20;33;41\r\n2;08.01.2000;3;7;12;40;41;42\r\n"
    "3;15.01.2000;1;2;3;4;5;6\r\n";

TEST(AnalysesCommand, PrintsTheLinesOfEachForm) {
    TempDir dir;
    dir.Write("kulko.txt", kHistory);
    dir.Write("wyniki_kulko.txt", "3;7;12;20;33;41\r\nnic\r\n");
    Outcome history = RunCommand(dir, {"historia"});
    EXPECT_EQ(history.status, 0) << history.err;
    EXPECT_EQ(history.out, "3;7;12;20;33;41;0;1;0;1\n");
    EXPECT_NE(history.err.find("wiersz 2"), std::string::npos);
    history = RunCommand(dir, {"historia", "--zestaw", "41;33;20;12;7;3", "--od", "08.01.2000"});
    EXPECT_EQ(history.out, "3;7;12;20;33;41;0;1;0;0\n");

    const Outcome numbers = RunCommand(dir, {"liczby", "--ostatnie", "1"});
    EXPECT_EQ(numbers.status, 0);
    EXPECT_NE(numbers.out.find("\n3;3;0;0;1\n"), std::string::npos);  // 3: in every draw
    EXPECT_NE(numbers.out.find("\n3;7;2\n"), std::string::npos);      // the most frequent pair
}

TEST(AnalysesCommand, FiltersPrintTheirFourLines) {
    TempDir dir;
    dir.Write("kulko.txt", kHistory);
    const Outcome filters =
        RunCommand(dir, {"filtry", "--tryb", "bez4", "--warunek", "parzyste", "--z-ilu", "2"});
    EXPECT_EQ(filters.status, 0) << filters.err;
    EXPECT_EQ(filters.out,
              "zestawy: 134596\nszansa-proby: 0.0096251266\n"
              "szansa-losuj: 0.9999369604\nlosowania: 0/3\n");
}

TEST(AnalysesCommand, RefusesADamagedFileAndWrongUsage) {
    TempDir dir;
    dir.Write("kulko.txt", std::string(kHistory) + "4;1x.01.2000;1;2;3;4;5;6\r\n");
    const Outcome damaged = RunCommand(dir, {"liczby"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out, "");
    EXPECT_NE(damaged.err.find("Wykryto błąd daty w wierszu 4;1x.01.2000"), std::string::npos);
    EXPECT_EQ(RunCommand(dir, {"filtry", "--tryb", "bez7"}).status, 2);
    EXPECT_EQ(RunCommand(dir, {"filtry", "--wymuszenie", "liczba:50"}).status, 2);
    EXPECT_EQ(RunCommand(dir, {"historia", "--od", "1.1.2000"}).status, 2);
}

TEST(AnalysesCommand, EachCommandFindsThePlayersHistoryOrNamesWhereItLooked) {
    TempDir here;
    TempDir player;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(here.Path());
    ToolEnvironment environment;
    environment.playerDirectory = player.Path();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"historia", "--zestaw", "3;7;12;20;33;41"},
          {"filtry"},
          {"liczby"}}) {
        SCOPED_TRACE(args[0]);
        std::filesystem::remove(player / "kulko.txt");
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunSystemyCommand(args, KULKO_SHIPPED_TABLE, out, err, environment), 1);
        EXPECT_NE(err.str().find(here.Path().string() + ", ani w katalogu roboczym programu " +
                                 player.Path().string() + "; uruchom raz program kulko"),
                  std::string::npos);
        player.Write("kulko.txt", kHistory);
        err.str("");
        EXPECT_EQ(RunSystemyCommand(args, KULKO_SHIPPED_TABLE, out, err, environment), 0);
        EXPECT_EQ(err.str().find("katalog roboczy " + player.Path().string()), 15);
    }
    std::filesystem::current_path(before);
}

}  // namespace
}  // namespace kulko::test
