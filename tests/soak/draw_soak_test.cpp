// Many presses of "Losuj" with random options, with random presses of
// "Do pamięci" and "Sprawdź" in between, on the shipped history. Every set
// accepted must obey the options it was drawn under (checked here by plain
// rules, apart from the generator's own tests; the "jak w statystyce" target
// is the program's own rule, tested on its own), the draw log must hold
// exactly one line per shown set, in order, and the memory count must match
// the file.
//
// The test command runs it for a few seconds; KULKO_SOAK_PRESSES=100000
// (scripts/soak.sh) runs that many presses whatever the time.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "files/text_file.hpp"
#include "generator/target_low_count.hpp"
#include "results/results_line.hpp"
#include "support/window_fixture.hpp"
#include "text/text_to_number.hpp"

namespace kulko::test {
namespace {

using Clock = std::chrono::steady_clock;

// The first six numbers of every results line, a missing one 0.
std::vector<NumberSet> HistoryRecords(const std::filesystem::path& file) {
    std::vector<NumberSet> records;
    for (const std::string& line : ReadAllLines(file)) {
        NumberSet six{};
        std::size_t index = 0;
        ForEachNumber(CutResultsLine(line).numbersPart, [&](int value) {
            if (index < six.size()) {
                six[index++] = value;
            }
        });
        records.push_back(six);
    }
    return records;
}

int PairHits(const NumberSet& set, const NumberSet& record) {
    int hits = 0;
    for (int a : set) {
        hits += static_cast<int>(std::count(record.begin(), record.end(), a));
    }
    return hits;
}

bool IsShiftedCopy(const NumberSet& set, NumberSet record) {
    std::sort(record.begin(), record.end());
    const int shift = set[0] - record[0];
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (set[i] - record[i] != shift) {
            return false;
        }
    }
    return shift >= -49 && shift <= 49;
}

NumberSet ParseSet(const std::string& text) {
    NumberSet set{};
    std::size_t index = 0;
    ForEachToken(text, [&](std::string_view token) {
        if (index < set.size()) {
            set[index] = TextToNumberValue(token);
        }
        ++index;
    });
    return index == set.size() ? set : NumberSet{};
}

class DrawSoakTest : public WindowTest {
  protected:
    void SetUp() override {
        dir.Write("kulko.txt", ReadWholeFile(KULKO_SHIPPED_HISTORY));
        WriteSettings(0, 0, 1);
        dir.Write("komunikat_l.113", "");
        Start();
        history = HistoryRecords(dir / "kulko.txt");
        logLines = ReadAllLines(dir / "losowania_kulko.txt");
        ASSERT_EQ(logLines.size(), 1u);
        // The start-up statistics the checks below rely on, counted plainly.
        ASSERT_GE(history.size(), std::size_t{kRecentDrawRows});
        for (int row = 0; row < kRecentDrawRows; ++row) {
            ASSERT_EQ(Window().RecentDraws[static_cast<std::size_t>(row)],
                      history[history.size() - kRecentDrawRows + static_cast<std::size_t>(row)]);
        }
        std::array<int, kHighestNumber + 1> counts{};
        for (const NumberSet& record : history) {
            for (int n : record) {
                counts[static_cast<std::size_t>(IsGameNumber(n) ? n : 0)]++;
            }
        }
        const auto most = std::max_element(counts.begin() + 1, counts.end());
        const auto least = std::min_element(counts.begin() + 1, counts.end());
        ASSERT_EQ(Window().MostFrequentNumber, most - counts.begin());
        ASSERT_EQ(Window().LeastFrequentNumber, least - counts.begin());
    }

    template <typename Pick>
    void PickOne(std::initializer_list<Control*> group, Pick&& random) {
        Control* chosen = *(group.begin() + random() % group.size());
        Window().Select(*chosen);
    }

    void RandomOptions(std::mt19937& random) {
        Tgenerator& w = Window();
        PickOne({&w.los1, &w.los1, &w.los2, &w.los3, &w.los4}, random);
        PickOne({&w.w1, &w.w1, &w.w2, &w.w3, &w.w4, &w.w5}, random);
        PickOne({&w.los7, &w.los7, &w.los7, &w.los6, &w.los5, &w.los8, &w.los9}, random);
        PickOne({&w.os1, &w.os1, &w.os2, &w.os3}, random);
        PickOne({&w.prz1, &w.prz1, &w.prz2, &w.prz3, &w.prz4}, random);
        w.os4.checked = random() % 4 == 0;
        static const char* const kTyped[] = {"0", "50", "abc", " 7", "$1F", "-3"};
        const auto number = [&](int highest) {
            return random() % 8 == 0 ? std::string(kTyped[random() % 6])
                                     : std::to_string(random() % highest + 1);
        };
        w.liczby.text = number(49);
        w.ile_los.text = random() % 10 == 0 ? "60" : number(10);
        // The timer ticks between events and may change the options.
        w.Timer1Timer();
    }

    // Every rule of the options on the window, for an accepted set.
    void CheckObeysOptions(const NumberSet& set) {
        const Tgenerator& w = Window();
        for (std::size_t i = 0; i < set.size(); ++i) {
            ASSERT_TRUE(IsGameNumber(set[i])) << NumberSetText(set);
            ASSERT_TRUE(i == 0 || set[i - 1] < set[i]) << NumberSetText(set);
        }
        if (w.los9.checked) {
            ASSERT_EQ(set, sixLeast) << "minimum search";
            return;
        }
        const auto contains = [&](int n) { return std::count(set.begin(), set.end(), n) == 1; };
        if (w.los6.checked) {
            ASSERT_TRUE(contains(w.MostFrequentNumber)) << NumberSetText(set);
        }
        if (w.los8.checked) {
            ASSERT_TRUE(contains(w.LeastFrequentNumber)) << NumberSetText(set);
        }
        if (w.los5.checked) {
            ASSERT_TRUE(contains(TextToNumberValue(w.liczby.text))) << NumberSetText(set);
        }
        const int low =
            static_cast<int>(std::count_if(set.begin(), set.end(), [](int n) { return n < 25; }));
        if (w.prz2.checked) {
            ASSERT_EQ(low, TargetLowCount(w.LowNumberTotal, w.HighNumberTotal));
        }
        if (w.prz3.checked) {
            ASSERT_GE(low, 4);
        }
        if (w.prz4.checked) {
            ASSERT_LE(low, 2);
        }
        for (std::size_t i = 1; i < set.size(); ++i) {
            if (w.w2.checked) {
                ASSERT_NE(set[i] - set[i - 1], 1) << NumberSetText(set);
            }
            if (w.w3.checked && i >= 2) {
                ASSERT_FALSE(set[i] - set[i - 1] == 1 && set[i - 1] - set[i - 2] == 1)
                    << NumberSetText(set);
            }
        }
        for (int n : set) {
            ASSERT_TRUE(!w.w4.checked || n % 2 == 0) << NumberSetText(set);
            ASSERT_TRUE(!w.w5.checked || n % 2 == 1) << NumberSetText(set);
        }
        const bool againstHistory = w.los2.checked || w.los3.checked || w.los4.checked;
        for (const NumberSet& record : againstHistory ? history : std::vector<NumberSet>{}) {
            const int hits = PairHits(set, record);
            ASSERT_FALSE(w.los2.checked && (hits == 6 || IsShiftedCopy(set, record)))
                << NumberSetText(set) << " repeats " << NumberSetText(record);
            ASSERT_FALSE(w.los3.checked && hits >= 5) << NumberSetText(set);
            ASSERT_FALSE(w.los4.checked && hits >= 4) << NumberSetText(set);
        }
        // "Z ilu losowań": the newest N rows, at most all 50 of them.
        const int count = TextToNumberValue(w.ile_los.text);
        const int rows = std::clamp(count, 0, kRecentDrawRows);
        int recent = 0;
        for (int row = 0; row < rows; ++row) {
            recent +=
                PairHits(set, w.RecentDraws[static_cast<std::size_t>(kRecentDrawRows - 1 - row)]);
        }
        ASSERT_FALSE(w.os2.checked && recent >= 2) << NumberSetText(set);
        ASSERT_FALSE(w.os3.checked && recent >= 3) << NumberSetText(set);
        ASSERT_FALSE(w.os4.checked && recent >= std::min(count, kRecentDrawRows))
            << NumberSetText(set);
    }

    void CheckMemory(std::mt19937& random) {
        Tgenerator& w = Window();
        std::string typed;
        NumberSet numbers{};
        for (int k = 0; k < 6; ++k) {
            numbers[static_cast<std::size_t>(k)] = static_cast<int>(random() % 49 + 1);
            typed += (k ? ";" : "") + std::to_string(numbers[static_cast<std::size_t>(k)]);
        }
        w.wyniki_losowan.text = typed;
        w.SpeedButton8Click();
        ASSERT_EQ(w.lista.items.Size(), memory.size());
        for (std::size_t i = 0; i < memory.size(); ++i) {
            const int hits = PairHits(numbers, ParseSet(memory[i]));
            ASSERT_EQ(w.lista.items[i],
                      "W zakładach " + memory[i] + " znaleziono " + std::to_string(hits));
        }
    }

    void CheckFiles() {
        ASSERT_EQ(ReadAllLines(dir / "losowania_kulko.txt"), logLines);
        const auto kept = std::filesystem::exists(dir / "wyniki_kulko.txt")
                              ? ReadAllLines(dir / "wyniki_kulko.txt")
                              : std::vector<std::string>{};
        ASSERT_EQ(kept, memory);
    }

    std::vector<NumberSet> history;
    std::vector<std::string> logLines;
    std::vector<std::string> memory;
    NumberSet sixLeast{};
};

TEST_F(DrawSoakTest, EveryShownSetObeysItsOptionsAndIsLoggedOnce) {
    const char* asked = std::getenv("KULKO_SOAK_PRESSES");
    const long presses = asked != nullptr ? std::atol(asked) : 0;
    // Without a count: a few seconds of presses, at least 200.
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    const unsigned seed = 20260207;
    std::mt19937 random(seed);
    Tgenerator& w = Window();
    w.Select(w.los9);
    w.SzukajMinimum();
    sixLeast = w.CurrentSet;
    w.PendingSetText.clear();

    long press = 0;
    long accepted = 0;
    for (; presses > 0 ? press < presses : (press < 200 || Clock::now() < deadline); ++press) {
        SCOPED_TRACE("press " + std::to_string(press) + " of seed " + std::to_string(seed));
        RandomOptions(random);
        system.seed = static_cast<std::uint32_t>(random());
        const std::size_t notices = screen.notices.size();
        const std::string pendingBefore = w.PendingSetText;
        w.SpeedButton2Click();
        if (screen.notices.size() != notices) {
            // No set passed: nothing shown, nothing logged.
            ASSERT_EQ(w.DrawAttempts, 1001);
            ASSERT_EQ(w.PendingSetText, pendingBefore);
        } else {
            ++accepted;
            ASSERT_EQ(w.Panel1.caption, w.PendingSetText);
            const NumberSet set = ParseSet(w.PendingSetText);
            ASSERT_EQ(NumberSetText(set), w.PendingSetText);
            CheckObeysOptions(set);
            logLines.push_back(w.PendingSetText);
        }
        if (random() % 3 == 0 && !w.PendingSetText.empty()) {
            memory.push_back(w.PendingSetText);
            w.SpeedButton6Click();
            ASSERT_EQ(w.Label1.caption, "Pamięć " + std::to_string(memory.size()) + " wyników");
            ASSERT_TRUE(w.PendingSetText.empty());
        }
        if (random() % 50 == 0) {
            CheckMemory(random);
        }
        if (press % 1000 == 999) {
            CheckFiles();
        }
        if (HasFatalFailure()) {
            return;
        }
    }
    CheckFiles();
    ASSERT_EQ(CountLines(dir / "wyniki_kulko.txt"), memory.size());
    // Many presses draw a set; some option mixes admit none.
    EXPECT_GT(accepted, press / 3);
    std::printf("soak: %ld presses, %ld sets shown, %zu kept\n", press, accepted, memory.size());
}

}  // namespace
}  // namespace kulko::test
