// The page "System skrócony" driven as the window drives it.
#include "systemy/system_page.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "files/text_file.hpp"
#include "files/work_dir_lock.hpp"
#include "support/temp_dir.hpp"
#include "support/window_fixture.hpp"
#include "systemy/fake_systemy_screen.hpp"
#include "wheels/number_choice.hpp"
#include "wheels/verify.hpp"

namespace kulko::test {
namespace {

class SystemPageTest : public ::testing::Test {
  protected:
    SystemPageTest() { page.Start(KULKO_SHIPPED_TABLE); }

    void Choose(const char* numbers, const char* guarantee) {
        page.wybrane.text = numbers;
        page.NumbersTyped();
        for (std::size_t i = 0; i < page.gwarancja.items.size(); ++i) {
            if (page.gwarancja.items[i] == guarantee) {
                page.gwarancja.index = static_cast<int>(i);
            }
        }
        page.GuaranteeChosen();
    }
    void Build() {
        page.czas.text = "1";
        page.RozpiszClick();
        page.WaitForSearch();
    }
    std::vector<std::string> Tickets() const {
        std::vector<std::string> lines;
        for (const std::string& line : page.zaklady.all) {
            lines.push_back(line.substr(line.find(' ') + 1));
        }
        return lines;
    }

    TempDir dir;
    FakeSystemyScreen screen;
    SystemPage page{dir.Path(), screen};
};

TEST_F(SystemPageTest, GridAndTypedNumbersStayInStep) {
    page.NumberClicked(7);
    page.NumberClicked(8);
    page.NumberClicked(9);
    page.NumberClicked(40);
    EXPECT_EQ(page.wybrane.text, "7-9;40");
    EXPECT_EQ(page.wybrano.text, "Wybrano: 4 liczby");
    page.NumberClicked(8);
    EXPECT_EQ(page.wybrane.text, "7;9;40");
    page.wybrane.text = "1-22";
    page.NumbersTyped();
    EXPECT_TRUE(page.liczby[0].checked && page.liczby[21].checked && !page.liczby[39].checked);
    EXPECT_EQ(page.wybrano.text, "Wybrano: 22 liczby");
    // Text that cannot be read leaves the grid and says why.
    page.wybrane.text = "1-22;77";
    page.NumbersTyped();
    EXPECT_EQ(page.wybrano.text, "Liczba 77 jest spoza zakresu od 1 do 49");
    EXPECT_TRUE(page.liczby[21].checked);
    page.RozpiszClick();
    ASSERT_EQ(screen.notices.size(), 1u);
    EXPECT_FALSE(page.Searching());
}

TEST_F(SystemPageTest, BuildsAProvenSystemWithItsTablesAndCost) {
    Choose("1-10", "3 z 6");
    page.stawka.text = "3,50";
    page.StakeTyped();
    Build();
    ASSERT_EQ(screen.notices, std::vector<std::string>{});
    EXPECT_EQ(Tickets().size(), 2u);  // two halves of ten numbers
    EXPECT_NE(page.wynik.text.find("2 zakłady"), std::string::npos) << page.wynik.text;
    EXPECT_NE(page.wynik.text.find("mniejszy system nie istnieje"), std::string::npos);
    Choose("1-22", "3 z 3");  // at the record, by construction
    Build();
    EXPECT_NE(page.wynik.text.find("77 zakładów (najmniejszy znany: 77, optymalny)"),
              std::string::npos)
        << page.wynik.text;
    Choose("1-10", "3 z 6");
    Build();
    EXPECT_EQ(page.koszt.text, "Koszt: 2 zakłady × 3,50 zł = 7,00 zł");
    ASSERT_EQ(page.trafienia.rows.size(), 4u);
    EXPECT_EQ(page.trafienia.rows[3][1], "3");  // six drawn among the ten: 3 hits sure
    EXPECT_EQ(page.szanse.rows.size(), 4u);
    EXPECT_TRUE(page.doPamieci.enabled && page.inputsEnabled && page.rozpisz.enabled);
    EXPECT_FALSE(page.przerwij.enabled);
    // Unreadable stakes say so; the stake is remembered when the field is left.
    page.stawka.text = "trzy";
    page.StakeTyped();
    EXPECT_EQ(page.koszt.text, "Stawki nie można odczytać: wpisz kwotę, np. 3,00.");
    page.stawka.text = "2";
    page.StakeConfirmed();
    SystemPage again(dir.Path(), screen);
    again.Start(KULKO_SHIPPED_TABLE);
    EXPECT_EQ(again.stawka.text, "2");
}

TEST_F(SystemPageTest, StopKeepsTheBestSoFarAndSearchingLongerGoesOn) {
    Choose("1-20", "3 z 6");
    page.czas.text = "600";
    page.RozpiszClick();
    EXPECT_TRUE(page.Searching());
    EXPECT_TRUE(page.przerwij.enabled && !page.rozpisz.enabled && !page.inputsEnabled);
    // Stopped at once, the search still ends with its first system, checked.
    page.PrzerwijClick();
    page.WaitForSearch();
    ASSERT_FALSE(Tickets().empty());
    const std::size_t first = Tickets().size();
    EXPECT_TRUE(page.szukajDluzej.enabled);
    page.czas.text = "1";
    page.SzukajDluzejClick();
    page.WaitForSearch();
    EXPECT_LE(Tickets().size(), first);
    // A changed choice cannot be searched on.
    page.NumberClicked(30);
    EXPECT_FALSE(page.szukajDluzej.enabled);
}

TEST_F(SystemPageTest, RefusesTooFewNumbersAndOversizedSystems) {
    Choose("1-6", "3 z 3");
    page.RozpiszClick();
    Choose("1-49", "pełny system");
    page.RozpiszClick();
    page.czas.text = "0";
    Choose("1-10", "3 z 3");
    page.RozpiszClick();
    ASSERT_EQ(screen.notices.size(), 3u);
    EXPECT_EQ(screen.notices[0], "Wybierz co najmniej 7 liczb (wybrano 6).");
    EXPECT_EQ(screen.notices[2], "Czas szukania to liczba sekund od 1 do 3600.");
    EXPECT_FALSE(page.Searching());
}

TEST_F(SystemPageTest, StoredTicketsAreScoredByTheMainWindowsCheck) {
    Choose("1-8", "5 z 5");
    Build();
    ASSERT_EQ(Tickets().size(), 12u);
    dir.Write("wyniki_kulko.txt", "1;2;3;4;5;6");  // a last line without its end
    page.DoPamieciClick();

    FakeScreen mainScreen;
    FakeSystem system;
    Tgenerator main(dir.Path(), mainScreen, system, "updates.test");
    main.wyniki_losowan.text = "1;2;3;4;5;9";
    main.SpeedButton8Click();
    ASSERT_EQ(main.lista.items.Size(), 13u);
    EXPECT_EQ(main.lista.items[0], "W zakładach 1;2;3;4;5;6 znaleziono 5");
    const std::vector<std::string> tickets = Tickets();
    for (std::size_t i = 0; i < 12; ++i) {
        const std::string& ticket = tickets[i];
        int hits = 0;
        for (const int n : MembersOf(ParseNumberChoice(ticket).numbers)) {
            hits += n <= 5 ? 1 : 0;
        }
        EXPECT_EQ(main.lista.items[i + 1],
                  "W zakładach " + ticket + " znaleziono " + std::to_string(hits));
    }
}

// Another program holding the directory is waited for, the window answering
// its paint meanwhile; nothing is lost once it lets go.
TEST_F(SystemPageTest, StoringWaitsForAnotherWriterWhileAnsweringPaints) {
    Choose("1-8", "5 z 5");
    Build();
    std::atomic<bool> held = false;
    std::thread other([&] {
        const WorkDirLock lock(dir.Path());
        held = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    while (!held) {
        std::this_thread::yield();
    }
    page.DoPamieciClick();
    other.join();
    EXPECT_GT(screen.paintsAnswered, 0);
    EXPECT_EQ(CountLines(dir / "wyniki_kulko.txt"), 12u);
}

TEST_F(SystemPageTest, TicketsGoToAFileTheClipboardAndThePrinter) {
    Choose("11-17", "3 z 3");
    Build();
    const std::vector<std::string> tickets = Tickets();
    ASSERT_EQ(tickets.size(), 4u);
    page.ZapiszClick();  // the dialog cancelled
    EXPECT_EQ(screen.suggestedNames, std::vector<std::string>{"system_3z3_7_liczb.txt"});
    screen.savePath = dir / "moje.txt";
    page.ZapiszClick();
    std::string file;
    std::string copied;
    for (const std::string& t : tickets) {
        file += t + "\r\n";
        copied += t + "\n";
    }
    EXPECT_EQ(dir.Read("moje.txt"), file);
    page.KopiujClick();
    EXPECT_EQ(screen.clipboard, copied);
    page.DrukujClick();
    ASSERT_EQ(screen.printed.size(), 1u);
    EXPECT_EQ(screen.printed[0].title, "System skrócony 3 z 3");
    EXPECT_EQ(screen.printed[0].heading[1], "Wybrane liczby (7): 11;12;13;14;15;16;17");
    EXPECT_EQ(screen.printed[0].lines[0], "1. " + tickets[0]);
}

// A system shown for an older choice must not be stored, saved, copied or
// printed as if it were the new one (the window greys its buttons too).
TEST_F(SystemPageTest, ASystemOfAnOlderChoiceIsMarkedAndItsActionsWait) {
    Choose("11-17", "3 z 4");
    Build();
    page.NumberClicked(20);
    EXPECT_FALSE(page.doPamieci.enabled || page.zapisz.enabled || page.kopiuj.enabled ||
                 page.drukuj.enabled);
    page.KopiujClick();
    page.DrukujClick();
    page.DoPamieciClick();
    EXPECT_TRUE(screen.clipboard.empty() && screen.printed.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "wyniki_kulko.txt"));
    // Numbers that cannot be read; another guarantee.
    const std::pair<const char*, const char*> changes[] = {{"11-17;99", "3 z 4"},
                                                           {"11-17", "3 z 3"}};
    for (const auto& [numbers, guarantee] : changes) {
        Choose("11-17", "3 z 4");
        Build();
        EXPECT_FALSE(page.Stale());
        Choose(numbers, guarantee);
        EXPECT_TRUE(page.Stale()) << numbers << " " << guarantee;
    }
}

// Stored twice, every ticket would count twice: the player is asked first.
TEST_F(SystemPageTest, StoringTicketsAlreadyInTheMemoryAsksFirst) {
    Choose("11-17", "3 z 3");
    Build();
    page.DoPamieciClick();
    page.DoPamieciClick();  // answered "Nie"
    ASSERT_EQ(screen.questions.size(), 1u);
    EXPECT_EQ(screen.questions[0],
              "Wszystkie zakłady tego systemu (4 zakłady) są już w pamięci. Dopisać je jeszcze "
              "raz?");
    EXPECT_EQ(page.stan.text, "Nic nie dopisano do pamięci.");
    EXPECT_EQ(CountLines(dir / "wyniki_kulko.txt"), 4u);
    dir.Write("wyniki_kulko.txt", Tickets().front() + "\r\n");
    screen.answer = true;
    page.DoPamieciClick();
    EXPECT_NE(screen.questions.back().find("Z 4 zakładów tego systemu 1 jest już"),
              std::string::npos);
    EXPECT_EQ(CountLines(dir / "wyniki_kulko.txt"), 5u);
}

}  // namespace
}  // namespace kulko::test
