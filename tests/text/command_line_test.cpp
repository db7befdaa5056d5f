// The options parser the command lines share: what it refuses, and how it
// reads values, help and the other arguments.
#include "text/command_line.hpp"

#include <gtest/gtest.h>

namespace kulko::test {
namespace {

std::variant<CommandLine, std::string> Read(std::vector<std::string> args) {
    return ReadCommandLine(args, {"--baza", "--czas"}, {"--proba"});
}

TEST(CommandLine, RefusesUnknownOptionsAndMissingValuesAndReadsTheRest) {
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"dodaj", "--cicho"}, "nieznana opcja „--cicho”"},
        {{"-x"}, "nieznana opcja „-x”"},
        {{"--proba=1"}, "nieznana opcja „--proba=1”"},
        {{"dodaj", "--baza"}, "opcja --baza wymaga wartości"},
        {{"--baza=", "a"}, "opcja --baza wymaga wartości"},
        {{"--baza", ""}, "opcja --baza wymaga wartości"},
    };
    for (const auto& [args, refusal] : refused) {
        const auto read = Read(args);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << args.back();
        EXPECT_EQ(std::get<std::string>(read), refusal);
    }

    // A value is the next argument even when it looks like an option; of an
    // option given twice the last counts; "--" ends the options.
    const auto read = Read(
        {"--czas", "-1", "dodaj", "--baza", "a", "--baza=b", "-", "--proba", "-h", "--", "--czas"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(read)) << std::get<std::string>(read);
    const CommandLine& line = std::get<CommandLine>(read);
    EXPECT_EQ(line.Value("--czas"), "-1");
    EXPECT_EQ(line.Value("--baza"), "b");
    EXPECT_TRUE(line.Has("--proba"));
    EXPECT_TRUE(line.help);
    EXPECT_EQ(line.arguments, (std::vector<std::string>{"dodaj", "-", "--czas"}));
    EXPECT_FALSE(std::get<CommandLine>(Read({"dodaj"})).help);
}

}  // namespace
}  // namespace kulko::test
