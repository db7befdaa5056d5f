// An update server kept by the results tool: "dodaj" and "publikuj" into a
// folder that a real static HTTP server on the loopback address serves, and
// the program's own update fetching from it through the real download.
#include <gtest/gtest.h>

#include <vector>

#include "app/tgenerator.hpp"
#include "files/text_file.hpp"
#include "support/temp_dir.hpp"
#include "support/window_fixture.hpp"
#include "platform/loopback_server.hpp"
#include "platform/loopback_system.hpp"
#include "platform/tool_process.hpp"

namespace kulko::test {
namespace {

std::string ShippedWithout(std::size_t draws) {
    std::vector<std::string> lines = ReadAllLines(KULKO_SHIPPED_HISTORY);
    lines.resize(lines.size() - draws);
    return JoinLinesCrLf(lines);
}

TEST(PublishOverHttp, TheProgramsUpdateTakesWhatTheToolPublished) {
    TempDir server;  // the operator's results file and the served folder
    TempDir player;  // the player's working directory
    const std::string log = (server / "log").string();
    const std::string base = (server / "kulko.txt").string();
    const std::string www = (server / "www").string();
    server.Write("kulko.txt", ShippedWithout(30));
    ASSERT_EQ(RunToolProcess({"publikuj", www, "--baza", base}, log), 0) << server.Read("log");

    LoopbackServer http(0, www);
    FakeScreen screen;
    LoopbackSystem system{DownloadLimits{}};  // the whole history is over the short cap
    player.Write("kulko.txt", ShippedWithout(40));
    player.Write("kulko.wer", "1.13\r\n");
    // A program built without a server, pointed at this one for the run.
    const ScopedEnvironment chosen("KULKO_UPDATE_HOST", http.Host());
    Tgenerator window(player.Path(), screen, system, "");
    window.Aktualizacja();
    EXPECT_EQ(player.Read("kulko.txt"), ShippedWithout(30));

    // The newest draws come in and the served files are replaced while served.
    ASSERT_EQ(
        RunToolProcess(
            {"dodaj", std::string(KULKO_TEST_DATA) + "/wyniki/lista.txt", "--baza", base}, log),
        0)
        << server.Read("log");
    ASSERT_EQ(RunToolProcess({"publikuj", www, "--baza", base, "--wersja", "1.14"}, log), 0)
        << server.Read("log");
    window.Aktualizacja();
    EXPECT_EQ(player.Read("kulko.txt"), ReadWholeFile(KULKO_SHIPPED_HISTORY));
    EXPECT_EQ(screen.notices, std::vector<std::string>(2, "Baza losowań została zaktualizowana."));

    window.AktualizujWersje();
    EXPECT_EQ(screen.questions.size(), 1u);
}

}  // namespace
}  // namespace kulko::test
