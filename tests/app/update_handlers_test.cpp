// The version check and the results update through the window class, with
// downloads served by the fake system.
#include <gtest/gtest.h>

#include "files/in_out_error.hpp"
#include "support/immutable_file.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

constexpr const char* kNoteUrl = "http://updates.test/Kulko/wersja_l.txt";
constexpr const char* kResultsUrl = "http://updates.test/Kulko/kulko.txt";
constexpr const char* kQuestion =
    "Znaleziono nowszą wersję programu.\rCzy chcesz teraz aktualizować program ?";
constexpr const char* kUpdated = "Baza losowań została zaktualizowana.";
constexpr const char* kNoNews = "Brak informacji o nowych wersjach tego programu.";

const std::string kLocal = Lines({"7296;03.12.2026;1;2;3;4;5;6"});
const std::string kServer =
    Lines({"7296;03.12.2026;1;2;3;4;5;6", "7297;06.12.2026;3;11;19;27;38;45"});

class VersionCheckTest : public WindowTest {
  protected:
    void SetUp() override {
        dir.Write("kulko.wer", "1.13\r\n");
        system.connectionFlags = kConnectionLan;
    }
};

TEST_F(VersionCheckTest, AsksOnlyWhenTheServerNoteIsHigherAsANumber) {
    struct Case {
        const char* note;
        bool asked;
    };
    const Case cases[] = {
        {"1.14\r\n", true},
        {"1.13\r\n", false},
        {"1.2\r\n", true},                 // 1.20 is above 1.13
        {"   1.14\r\n", true},             // leading blanks
        {"1.13\r\n1.14\r\n9\r\n", false},  // only the first line counts
        {"\r\n2.0\r\n", false},            // an empty first line is 0
        {"1.14 \r\n", false},              // not a number in the accepted form
    };
    for (const Case& c : cases) {
        screen.questions.clear();
        system.downloads[kNoteUrl] = c.note;
        Window().AktualizujWersje();
        EXPECT_EQ(screen.questions.size(), c.asked ? 1u : 0u) << c.note;
        if (c.asked && !screen.questions.empty()) {
            EXPECT_EQ(screen.questions[0], kQuestion);
        }
        EXPECT_EQ(dir.Read("kulko.ser"), c.note);
        EXPECT_EQ(system.exits, 0);
    }
    EXPECT_TRUE(screen.notices.empty());
}

TEST_F(VersionCheckTest, WithoutModemOrNetworkNothingIsTouched) {
    dir.Write("kulko.ser", "1.99\r\n");
    for (int flags : {0, kConnectionProxy}) {
        system.connectionFlags = flags;
        Window().AktualizujWersje();
    }
    EXPECT_TRUE(system.fetched.empty());
    EXPECT_EQ(dir.Read("kulko.ser"), "1.99\r\n");
    EXPECT_TRUE(screen.questions.empty());
}

TEST_F(VersionCheckTest, AFailedFetchRemovesTheOldNoteSilently) {
    dir.Write("kulko.ser", "1.99\r\n");
    system.connectionFlags = kConnectionModem;
    Window().AktualizujWersje();
    EXPECT_EQ(system.fetched, std::vector<std::string>{kNoteUrl});
    EXPECT_FALSE(dir.Exists("kulko.ser"));
    EXPECT_TRUE(screen.questions.empty());
    EXPECT_TRUE(screen.notices.empty());
}

TEST_F(VersionCheckTest, YesStartsTheUpdaterAndEndsBeforeTheResultsUpdate) {
    WriteSettings(1, 1, 1);
    dir.Write("kulko.txt", kLocal);
    system.downloads[kNoteUrl] = "1.14\r\n";
    system.downloads[kResultsUrl] = kServer;
    screen.answers = {true};
    EXPECT_THROW(Start(), ProgramExited);
    EXPECT_EQ(system.started, std::vector<std::string>{"pobierz.exe L"});
    EXPECT_EQ(system.exits, 1);
    EXPECT_EQ(system.fetched, std::vector<std::string>{kNoteUrl});
    EXPECT_EQ(dir.Read("kulko.txt"), kLocal);
}

TEST_F(VersionCheckTest, NoGoesOnToTheResultsUpdate) {
    WriteSettings(1, 1, 1);
    dir.Write("kulko.txt", kLocal);
    system.downloads[kNoteUrl] = "1.14\r\n";
    system.downloads[kResultsUrl] = kServer;
    screen.answers = {false};
    Tgenerator& w = Start();
    EXPECT_EQ(screen.questions.size(), 1u);
    EXPECT_TRUE(system.started.empty());
    EXPECT_EQ(system.exits, 0);
    EXPECT_EQ(system.fetched, (std::vector<std::string>{kNoteUrl, kResultsUrl}));
    EXPECT_EQ(screen.notices, std::vector<std::string>{kUpdated});
    // The fetched history is the one start-up validated and summarised.
    EXPECT_EQ(w.Label4.caption, "Baza losowań zawiera 2 wpisów");
    EXPECT_EQ(w.Label7.caption, "Data ostatniego losowania 06.12.2026");
}

TEST_F(VersionCheckTest, WithoutAnUpdateHostStartUpAsksNothingAndTouchesNothing) {
    WriteSettings(1, 1, 1);
    dir.Write("kulko.txt", kLocal);
    dir.Write("kulko.ser", "1.99\r\n");
    dir.Write("kulko.bak", "old");
    window = std::make_unique<Tgenerator>(dir.Path(), screen, system, "");
    Tgenerator& w = Start();
    EXPECT_TRUE(system.fetched.empty());
    EXPECT_TRUE(screen.notices.empty());
    EXPECT_TRUE(screen.questions.empty());
    EXPECT_EQ(dir.Read("kulko.ser"), "1.99\r\n");
    EXPECT_EQ(dir.Read("kulko.bak"), "old");
    EXPECT_EQ(w.Label4.caption, "Baza losowań zawiera 1 wpisów");
}

class ResultsUpdateTest : public WindowTest {
  protected:
    void SetUp() override { system.connectionFlags = kConnectionLan; }
};

TEST_F(ResultsUpdateTest, WithoutModemOrNetworkNothingIsFetched) {
    dir.Write("kulko.txt", kLocal);
    dir.Write("kulko.bak", "old");
    system.downloads[kResultsUrl] = kServer;
    for (int flags : {0, kConnectionProxy}) {
        system.connectionFlags = flags;
        Window().Aktualizacja();
    }
    EXPECT_TRUE(system.fetched.empty());
    EXPECT_EQ(dir.Read("kulko.txt"), kLocal);
    EXPECT_EQ(dir.Read("kulko.bak"), "old");
    EXPECT_TRUE(screen.notices.empty());
}

TEST_F(ResultsUpdateTest, AFailedFetchIsReportedAndTheOldCopyStays) {
    dir.Write("kulko.txt", kLocal);
    dir.Write("kulko.bak", "old");
    Window().Aktualizacja();
    EXPECT_EQ(screen.notices, std::vector<std::string>{kNoNews});
    EXPECT_EQ(dir.Read("kulko.txt"), kLocal);
    EXPECT_EQ(dir.Read("kulko.bak"), "old");
}

TEST_F(ResultsUpdateTest, AMissingLocalFileIsFileNotFoundAndTheFetchStays) {
    system.downloads[kResultsUrl] = kServer;
    try {
        Window().Aktualizacja();
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_FALSE(dir.Exists("kulko.txt"));
    EXPECT_EQ(dir.Read("kulko.bak"), kServer);
    EXPECT_TRUE(screen.notices.empty());
}

TEST_F(ResultsUpdateTest, AFailedReplacementKeepsBothFilesAndAnnouncesNothing) {
    dir.Write("kulko.txt", kLocal);
    system.downloads[kResultsUrl] = kServer;
    ImmutableFile locked(dir / "kulko.txt");
    if (!locked.Marked()) {
        GTEST_SKIP() << "the file system or the user cannot mark files immutable";
    }
    EXPECT_THROW(Window().Aktualizacja(), InOutError);
    EXPECT_EQ(dir.Read("kulko.txt"), kLocal);
    EXPECT_EQ(dir.Read("kulko.bak"), kServer);
    EXPECT_TRUE(screen.notices.empty());
}

}  // namespace
}  // namespace kulko::test
