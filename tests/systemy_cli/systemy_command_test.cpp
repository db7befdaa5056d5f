// The command mode: tickets on standard output and nothing else, exit codes.
#include "systemy_cli/systemy_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "wheels/brute_force.hpp"
#include "wheels/number_choice.hpp"

namespace kulko::test {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCommand(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunSystemyCommand(args, KULKO_SHIPPED_TABLE, out, err);
    return {status, out.str(), err.str()};
}

TEST(SystemyCommand, PrintsOneTicketALineThatKeepsTheGuarantee) {
    const Outcome built = RunCommand(
        {"system", "3;7;12;20;33;41;44;45", "--gwarancja", "4z5", "--czas", "1", "--ziarno", "5"});
    ASSERT_EQ(built.status, 0) << built.err;
    Tickets tickets;
    std::istringstream lines(built.out);
    for (std::string line; std::getline(lines, line);) {
        const NumberChoice ticket = ParseNumberChoice(line);
        ASSERT_EQ(ticket.error, "");
        EXPECT_EQ(NumberChoiceText(ticket.numbers).find('-'), std::string::npos);
        EXPECT_EQ(NumberBitsText(ticket.numbers), line);  // ascending, joined by ";"
        tickets.push_back(ticket.numbers);
    }
    EXPECT_TRUE(
        BruteForceKeeps(tickets, ParseNumberChoice("3;7;12;20;33;41;44;45").numbers, {4, 5}));
    EXPECT_NE(built.err.find("Dolna granica"), std::string::npos);
    EXPECT_NE(built.err.find("Gwarantowane trafienie"), std::string::npos);

    // Beside the size, the smallest the literature knows for the cell.
    const Outcome record = RunCommand({"system", "1-20", "--gwarancja", "3z3", "--czas", "1"});
    EXPECT_NE(record.err.find("(najmniejszy znany: 71)"), std::string::npos) << record.err;

    const Outcome full = RunCommand({"system", "1-8", "--pelny"});
    EXPECT_EQ(full.status, 0);
    EXPECT_EQ(std::count(full.out.begin(), full.out.end(), '\n'), 28);
    EXPECT_EQ(full.out.substr(0, 12), "1;2;3;4;5;6\n");
}

TEST(SystemyCommand, RefusesWithOneAndMisuseWithTwo) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"system", "1-6", "--gwarancja", "3z3"},
                                               {"system", "1-10;50", "--gwarancja", "3z3"},
                                               {"system", "1-10", "--gwarancja", "2z6"},
                                               {"system", "1-10", "--gwarancja", "6z5"},
                                               {"system", "1-30", "--pelny"}}) {
        const Outcome refused = RunCommand(args);
        EXPECT_EQ(refused.status, 1) << args[1];
        EXPECT_EQ(refused.out, "");
        EXPECT_NE(refused.err, "");
    }
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"system", "1-10"},
             {"system", "1-10", "--gwarancja", "3z3", "--pelny"},
             {"system", "--gwarancja", "3z3"},
             {"system", "1-10", "--gwarancja", "trzy"},
             {"system", "1-10", "--gwarancja", "3z3", "--czas", "0"},
             {"system", "1-10", "--gwarancja", "3z3", "--ziarno", "-1"},
             {"system", "1-10", "--gwarancja", "3z3", "--nic"},
             {"system", "1-10", "11", "--pelny"}}) {
        const Outcome misused = RunCommand(args);
        EXPECT_EQ(misused.status, 2) << args.back();
        EXPECT_EQ(misused.out, "");
    }
    EXPECT_EQ(RunCommand({"--help"}).status, 0);
}

}  // namespace
}  // namespace kulko::test
