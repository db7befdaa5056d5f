// "dodaj" with an address, against a real HTTP server on the loopback
// address: a published list is read into memory and imported; a server
// that stalls, one that answers 404, one that sends a web page and one that
// sends too much leave the history as it was and nothing beside it.
#include <gtest/gtest.h>

#include "platform/fetch_into_memory.hpp"
#include "platform/loopback_server.hpp"
#include "platform/loopback_system.hpp"
#include "platform/tool_process.hpp"
#include "wyniki/tool_run.hpp"

namespace kulko::test {
namespace {

using ResultsToolOverHttp = ToolTest;

TEST_F(ResultsToolOverHttp, APublishedListIsImportedAndAFailedFetchChangesNothing) {
    LoopbackServer server;
    const std::string list = ReadWholeFile(Sample("lista.txt"));
    server.Serve("/stoi", {200, list, Reply::Kind::Stall, 100});
    server.Serve("/strona",
                 {200, "<!DOCTYPE html>\n<html><body>" + list, Reply::Kind::Whole, 0, "text/html"});
    server.Serve("/duzo", {200, std::string(100 * 1024, '\n')});
    server.Serve("/lista.txt", {200, list});
    ToolEnvironment environment = LocalEnvironment();
    environment.fetch = [](const std::string& address) {
        MemoryFetch fetched = FetchIntoMemory(address, ShortLimits());
        return FetchedInput{std::move(fetched.bytes), std::move(fetched.error)};
    };
    const std::string history = ShippedWithout(30);
    const std::string address = "http://" + server.Host();
    const std::pair<const char*, const char*> failures[] = {
        {"/stoi", "serwer przestał przysyłać dane"},
        {"/brak", "serwer odpowiedział kodem 404 (nie ma takiej strony)"},
        {"/strona", "to nie jest lista wyników, tylko strona HTML"},
        {"/duzo", "odpowiedź serwera ma ponad 64 KB"},
    };
    for (const auto& [path, message] : failures) {
        dir.Write("kulko.txt", history);
        const ToolRun run = RunTool({"dodaj", address + path, "--baza", Base()}, {}, environment);
        EXPECT_EQ(run.status, kToolBadInput);
        EXPECT_TRUE(run.err.starts_with("kulko-wyniki: " + address + path + ": " + message))
            << run.err;
        EXPECT_TRUE(run.err.ends_with("\nBaza nie została zmieniona.\n"));
        EXPECT_TRUE(Unchanged(history));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    }
    // The program itself, as a timer would run it.
    EXPECT_EQ(RunToolProcess({"dodaj", address + "/lista.txt", "--baza", Base()}, dir / "log"), 0)
        << dir.Read("log");
    EXPECT_TRUE(Unchanged(Shipped()));
}

}  // namespace
}  // namespace kulko::test
