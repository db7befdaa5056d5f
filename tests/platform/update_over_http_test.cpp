// The results update against a real HTTP server on the loopback address,
// through the real download.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <set>

#include "app/tgenerator.hpp"
#include "files/in_out_error.hpp"
#include "support/immutable_file.hpp"
#include "support/temp_dir.hpp"
#include "support/window_fixture.hpp"
#include "platform/loopback_server.hpp"
#include "platform/loopback_system.hpp"

namespace kulko::test {
namespace {

constexpr const char* kUpdated = "Baza losowań została zaktualizowana.";
constexpr const char* kNoNews = "Brak informacji o nowych wersjach tego programu.";
constexpr const char* kOldCopy = "left by an earlier start\r\n";

const std::string kLocal =
    Lines({"7295;30.11.2026;2;9;17;22;36;41", "7296;03.12.2026;5;8;14;30;33;47"});
const std::string kNextDay = kLocal + Lines({"7297;06.12.2026;3;11;19;27;38;45"});

// What the directory holds after the update.
enum class Outcome {
    Taken,     // kulko.txt holds the served file, kulko.bak is gone, the update is announced
    NotNewer,  // kulko.txt unchanged, kulko.bak holds the served file, no message
    Failed,    // kulko.txt unchanged, kulko.bak as it was, the fetch failure is reported
    Damaged,   // kulko.txt unchanged, kulko.bak holds the served file, reported as a failed fetch
};

// Where the window fetches from.
enum class Target {
    Server,      // the loopback server with the reply of the case
    Refused,     // a port where nothing listens
    Unanswered,  // a port that never answers the connection request
};

struct Case {
    const char* name;
    Reply reply;
    Outcome outcome;
    Target target;
};

// Failures name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

std::string RepeatedLines(std::size_t bytes) {
    std::string text;
    while (text.size() < bytes) {
        text += "1234;01.01.2000;1;2;3;4;5;6\r\n";
    }
    return text;
}

std::vector<Case> Cases() {
    const std::string sameDay =
        Lines({"0001;27.01.1957;8;12;31;39;43;45", "7296;03.12.2026;1;2;3;4;5;6"});
    const std::string hyphens = Lines({"7296;03-12-2026;5;8;14;30;33;47"});
    const std::string html =
        "<!DOCTYPE html>\r\n<html><head><title>Kulko</title></head>\r\n"
        "<body><p>Strona w przebudowie, zapraszamy wkrótce.</p></body>\r\n</html>\r\n";
    const std::string htmlLongLastLine =
        "<html><head><title>Kulko</title></head><body>\r\n"
        "<p>Strona w przebudowie, zapraszamy wkrótce.</p></body></html>";
    const std::string shortLast = kLocal + "7297;06.12\r\n";
    const std::string overCap = RepeatedLines(200 * 1024) + "9999;31.12.2099;1;2;3;4;5;6\r\n";
    // Later last dates, each with one line the start-up read would reject.
    const std::string laterLast = "7297;06.12.2026;3;11;19;27;38;45";
    const std::string garbage = Lines({"<html>;;;;;;;;;</html>", laterLast});
    const std::string badDate = Lines({"0001;2x.01.1957;8;12;31;39;43;45", laterLast});
    const std::string outOfRange = Lines({"0001;27.01.1957;8;12;31;39;43;99", laterLast});
    return {
        {"NewerFileTaken", {200, kNextDay}, Outcome::Taken, Target::Server},
        {"NewerFileInChunksTaken",
         {200, kNextDay, Reply::Kind::Chunked},
         Outcome::Taken,
         Target::Server},
        {"SameDateNotTaken", {200, sameDay}, Outcome::NotNewer, Target::Server},
        {"HyphensGiveTheSameKeyAsDots", {200, hyphens}, Outcome::NotNewer, Target::Server},
        {"OlderFileNotTaken",
         {200, Lines({"7000;31.12.2009;1;2;3;4;5;6"})},
         Outcome::NotNewer,
         Target::Server},
        {"HtmlPageNotTaken",
         {200, html, Reply::Kind::Whole, 0, "text/html"},
         Outcome::NotNewer,
         Target::Server},
        {"HtmlWithLongLastLineNotTaken",
         {200, htmlLongLastLine, Reply::Kind::Whole, 0, "text/html"},
         Outcome::NotNewer,
         Target::Server},
        {"ShortLastLineNotTaken", {200, shortLast}, Outcome::NotNewer, Target::Server},
        {"EmptyFileNotTaken", {200, ""}, Outcome::NotNewer, Target::Server},
        {"SemicolonDamageNotTaken", {200, garbage}, Outcome::Damaged, Target::Server},
        {"DateDamageNotTaken", {200, badDate}, Outcome::Damaged, Target::Server},
        {"RangeDamageNotTaken", {200, outOfRange}, Outcome::Damaged, Target::Server},
        {"NotFound", {404, kNextDay}, Outcome::Failed, Target::Server},
        {"ServerError", {500, kNextDay}, Outcome::Failed, Target::Server},
        {"ConnectionRefused", {}, Outcome::Failed, Target::Refused},
        {"ConnectTimeout", {}, Outcome::Failed, Target::Unanswered},
        {"ServerSilentAfterConnect",
         {200, kNextDay, Reply::Kind::Silent},
         Outcome::Failed,
         Target::Server},
        {"StallMidBody", {200, kNextDay, Reply::Kind::Stall, 20}, Outcome::Failed, Target::Server},
        {"ConnectionClosedMidBody",
         {200, kNextDay, Reply::Kind::Truncated, 40},
         Outcome::Failed,
         Target::Server},
        {"DeclaredBodyOverTheCap", {200, overCap}, Outcome::Failed, Target::Server},
        {"ChunkedBodyOverTheCap",
         {200, overCap, Reply::Kind::Chunked},
         Outcome::Failed,
         Target::Server},
    };
}

class UpdateOverHttp : public ::testing::TestWithParam<Case> {
  protected:
    TempDir dir;
    FakeScreen screen;
    LoopbackServer server;
    LoopbackSystem system{ShortLimits()};
};

TEST_P(UpdateOverHttp, LeavesTheFilesAndMessagesExpected) {
    const Case& c = GetParam();
    dir.Write("kulko.txt", kLocal);
    dir.Write("kulko.bak", kOldCopy);
    std::string host = server.Host();
    std::optional<UnansweredLoopbackPort> unanswered;
    switch (c.target) {
        case Target::Server:
            server.Serve("/Kulko/kulko.txt", c.reply);
            break;
        case Target::Refused:
            host = "127.0.0.1:" + std::to_string(UnusedLoopbackPort());
            break;
        case Target::Unanswered:
            unanswered.emplace();
            host = "127.0.0.1:" + std::to_string(unanswered->Port());
            break;
    }
    Tgenerator window(dir.Path(), screen, system, host);
    window.Aktualizacja();

    switch (c.outcome) {
        case Outcome::Taken:
            EXPECT_EQ(dir.Read("kulko.txt"), c.reply.body);
            EXPECT_FALSE(dir.Exists("kulko.bak"));
            EXPECT_EQ(screen.notices, std::vector<std::string>{kUpdated});
            break;
        case Outcome::NotNewer:
            EXPECT_EQ(dir.Read("kulko.txt"), kLocal);
            EXPECT_EQ(dir.Read("kulko.bak"), c.reply.body);
            EXPECT_TRUE(screen.notices.empty());
            break;
        case Outcome::Failed:
            EXPECT_EQ(dir.Read("kulko.txt"), kLocal);
            EXPECT_EQ(dir.Read("kulko.bak"), kOldCopy);
            EXPECT_EQ(screen.notices, std::vector<std::string>{kNoNews});
            break;
        case Outcome::Damaged:
            EXPECT_EQ(dir.Read("kulko.txt"), kLocal);
            EXPECT_EQ(dir.Read("kulko.bak"), c.reply.body);
            EXPECT_EQ(screen.notices, std::vector<std::string>{kNoNews});
            break;
    }
    EXPECT_TRUE(screen.questions.empty());
    // No partial download is left beside them.
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        names.insert(entry.path().filename().string());
    }
    std::set<std::string> expected{"kulko.txt"};
    if (c.outcome != Outcome::Taken) {
        expected.insert("kulko.bak");
    }
    EXPECT_EQ(names, expected);
}

INSTANTIATE_TEST_SUITE_P(LoopbackServer, UpdateOverHttp, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateOverHttpYear, TheYearDecidesFirst) {
    for (const bool serverIsLater : {true, false}) {
        TempDir dir;
        FakeScreen screen;
        LoopbackServer server;
        LoopbackSystem system{ShortLimits()};
        const std::string endOf2009 = Lines({"6999;31.12.2009;1;2;3;4;5;6"});
        const std::string startOf2010 = Lines({"7000;01.01.2010;7;8;9;10;11;12"});
        dir.Write("kulko.txt", serverIsLater ? endOf2009 : startOf2010);
        const std::string served = serverIsLater ? startOf2010 : endOf2009;
        server.Serve("/Kulko/kulko.txt", {200, served});
        Tgenerator window(dir.Path(), screen, system, server.Host());
        window.Aktualizacja();
        // Either way the 2010 file is the one in use.
        EXPECT_EQ(dir.Read("kulko.txt"), startOf2010);
        EXPECT_EQ(dir.Exists("kulko.bak"), !serverIsLater);
        EXPECT_EQ(screen.notices.size(), serverIsLater ? 1u : 0u);
    }
}

// A directory, a screen and the real download against one loopback server.
class OverHttp : public ::testing::Test {
  protected:
    TempDir dir;
    FakeScreen screen;
    LoopbackServer server;
    LoopbackSystem system{ShortLimits()};
};

using UpdateHostAtRunTime = OverHttp;
using UpdateOverHttpStartUp = OverHttp;

TEST_F(UpdateHostAtRunTime, TheEnvironmentVariableWinsOverTheBuiltInHost) {
    dir.Write("kulko.txt", kLocal);
    server.Serve("/Kulko/wersja_l.txt", {200, "1.13\r\n"});
    server.Serve("/Kulko/kulko.txt", {200, kNextDay});
    const ScopedEnvironment chosen("KULKO_UPDATE_HOST", server.Host());
    // Without settings files both updates are on.
    Tgenerator window(dir.Path(), screen, system,
                      "127.0.0.1:" + std::to_string(UnusedLoopbackPort()));
    window.FormCreate();
    EXPECT_EQ(dir.Read("kulko.ser"), "1.13\r\n");
    EXPECT_EQ(dir.Read("kulko.txt"), kNextDay);
    EXPECT_EQ(screen.notices, std::vector<std::string>{kUpdated});
}

TEST(UpdateOverHttpLocalKey, TheLocalLastDateCountsAsItStands) {
    const std::string from1957 = Lines({"0001;27.01.1957;8;12;31;39;43;45"});
    struct Case {
        const char* name;
        std::string local;
        std::string served;
        bool taken;
    };
    const Case cases[] = {
        // A letter in the local year sorts after every year of digits.
        {"letter", Lines({"7296;03.12.2O26;5;8;14;30;33;47"}), from1957, false},
        // A trailing empty line does not hide the local last draw.
        {"empty line, older", kLocal + "\r\n", from1957, false},
        {"empty line, same day", kLocal + "\r\n", kLocal, false},
        {"empty line, next day", kLocal + "\r\n", kNextDay, true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        FakeScreen screen;
        LoopbackServer server;
        LoopbackSystem system{ShortLimits()};
        dir.Write("kulko.txt", c.local);
        server.Serve("/Kulko/kulko.txt", {200, c.served});
        Tgenerator window(dir.Path(), screen, system, server.Host());
        window.Aktualizacja();
        EXPECT_EQ(dir.Read("kulko.txt"), c.taken ? c.served : c.local) << c.name;
        EXPECT_EQ(dir.Exists("kulko.bak"), !c.taken) << c.name;
    }
}

TEST_F(UpdateOverHttpStartUp, AFailedReplacementShowsItsErrorAfterAWholeStartUp) {
    dir.Write("kulko.txt", kLocal);
    // The results update on, the version check off, the check on.
    dir.Write("ustalenia_kulko.dat", std::string(1, '\1'));
    dir.Write("ustalenia_kulko_apli.dat", std::string(1, '\0'));
    dir.Write("ustalenia_kulko_kontrola.dat", std::string(1, '\1'));
    server.Serve("/Kulko/kulko.txt", {200, kNextDay});
    const ImmutableFile locked(dir / "kulko.txt");
    if (!locked.Marked()) {
        GTEST_SKIP() << "the file system or the user cannot mark files immutable";
    }
    Tgenerator window(dir.Path(), screen, system, server.Host());
    try {
        window.FormCreate();
        ADD_FAILURE() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
    }
    // Start-up went on with the old file: its summary and the defaults.
    EXPECT_EQ(window.Label4.caption, "Baza losowań zawiera 2 wpisów");
    EXPECT_EQ(window.Label24.caption, "Struktura bazy wynikow prawidłowa");
    for (const Control* option :
         {&window.los1, &window.los7, &window.w1, &window.os1, &window.prz1}) {
        EXPECT_TRUE(option->checked) << option->name;
    }
    EXPECT_EQ(window.ile_los.items.Size(), 50u);
    EXPECT_EQ(dir.Read("kulko.txt"), kLocal);
    EXPECT_EQ(dir.Read("kulko.bak"), kNextDay);
    EXPECT_TRUE(screen.notices.empty());
}

TEST(UpdateOverHttpAskAgain, AServerThatDroppedTheVersionNoteIsAskedForTheResults) {
    using Ending = DroppingLoopbackServer::Ending;
    for (const Ending ending : {Ending::Close, Ending::Reset}) {
        TempDir dir;
        FakeScreen screen;
        LoopbackSystem system{ShortLimits()};
        dir.Write("kulko.txt", kLocal);
        auto dropping = std::make_unique<DroppingLoopbackServer>(ending);
        const int port = dropping->Port();
        Tgenerator window(dir.Path(), screen, system, "127.0.0.1:" + std::to_string(port));
        window.AktualizujWersje();
        EXPECT_FALSE(dir.Exists("kulko.ser"));
        // The same port now answers properly.
        dropping.reset();
        LoopbackServer server(port);
        server.Serve("/Kulko/kulko.txt", {200, kNextDay});
        window.Aktualizacja();
        EXPECT_EQ(dir.Read("kulko.txt"), kNextDay);
        EXPECT_EQ(screen.notices, std::vector<std::string>{kUpdated});
    }
}

}  // namespace
}  // namespace kulko::test
