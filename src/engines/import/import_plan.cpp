#include "import/import_plan.hpp"

#include <algorithm>
#include <chrono>
#include <map>
#include <set>

#include "import/import_refusals.hpp"

namespace kulko {
namespace {

using Draws = std::vector<const PlacedDraw*>;

bool Same(const PlacedDraw& a, DateKey date, const NumberSet& numbers) {
    return a.draw.dateKey == date && a.draw.numbers == numbers;
}

// The unnumbered draws of each input, oldest first: a list printed newest
// first is read backwards, so that the two draws of one day keep their order.
Draws OldestFirst(const std::vector<PlacedDraw>& input, const std::set<const PlacedDraw*>& chosen) {
    Draws ordered;
    for (auto start = input.begin(); start != input.end();) {
        const auto end = std::find_if(start, input.end(), [&](const PlacedDraw& placed) {
            return placed.place.source.data() != start->place.source.data();
        });
        const std::size_t from = ordered.size();
        for (auto it = start; it != end; ++it) {
            if (chosen.count(&*it) != 0) {
                ordered.push_back(&*it);
            }
        }
        if (ordered.size() > from && ordered[from]->draw.dateKey > ordered.back()->draw.dateKey) {
            std::reverse(ordered.begin() + static_cast<std::ptrdiff_t>(from), ordered.end());
        }
        start = end;
    }
    return ordered;
}

long DaysBetween(DateKey from, DateKey to) {
    const auto day = [](DateKey key) {
        return std::chrono::sys_days(std::chrono::year(key / 10000) /
                                     std::chrono::month(static_cast<unsigned>(key / 100 % 100)) /
                                     std::chrono::day(static_cast<unsigned>(key % 100)));
    };
    return static_cast<long>((day(to) - day(from)).count());
}

class Planner {
  public:
    Planner(const ScannedHistory& history, const std::vector<PlacedDraw>& input)
        : history_(history), input_(input) {
        for (const HistoryDraw& draw : history.asked) {
            if (draw.number != 0) {
                historyByNumber_.emplace(draw.number, &draw);  // a number may repeat
            }
            historyByDate_[draw.dateKey].push_back(&draw);
        }
    }

    ImportPlan Run() {
        if (SortNumbered() && PlanUnnumbered() && CheckNumbered() && CheckNotMixed() &&
            CheckNumberedOn()) {
            for (const auto& [number, placed] : newNumbered_) {
                plan_.added.push_back({number, placed->draw.dateKey, placed->draw.numbers});
            }
            std::size_t number = history_.lastNumber;
            for (const PlacedDraw* placed : newUnnumbered_) {
                plan_.added.push_back({++number, placed->draw.dateKey, placed->draw.numbers});
            }
            plan_.numberedOn = !newUnnumbered_.empty();
        } else {
            plan_.added.clear();
        }
        return plan_;
    }

  private:
    bool Refuse(std::string text) {
        plan_.refusal = std::move(text);
        return false;
    }

    // Draws with numbers: known by the history's draw of that number, or new.
    bool SortNumbered() {
        for (const PlacedDraw& placed : input_) {
            const std::size_t number = placed.draw.drawNumber;
            if (number == 0) {
                unnumbered_.insert(&placed);
                continue;
            }
            numberedDraws_.emplace(placed.draw.dateKey, placed.draw.numbers);
            // A number the base holds anywhere names a draw of the base,
            // even where the base's numbers repeat or step back.
            const auto [known, knownEnd] = historyByNumber_.equal_range(number);
            if (known != knownEnd) {
                if (std::none_of(known, knownEnd, [&](const auto& entry) {
                        return Same(placed, entry.second->dateKey, entry.second->numbers);
                    })) {
                    return Refuse(NumberConflictText(placed, known->second->dateKey,
                                                     known->second->numbers, nullptr));
                }
                ++plan_.alreadyKnown;
            } else if (number > history_.lastNumber) {
                const auto [it, inserted] = newNumbered_.emplace(number, &placed);
                if (!inserted && !Same(*it->second, placed.draw.dateKey, placed.draw.numbers)) {
                    return Refuse(NumberConflictText(placed, it->second->draw.dateKey,
                                                     it->second->draw.numbers, &it->second->place));
                }
                plan_.alreadyKnown += inserted ? 0 : 1;
            } else {
                return Refuse(UnknownNumberText(placed));
            }
        }
        return true;
    }

    // Draws without numbers, a day at a time.
    bool PlanUnnumbered() {
        std::map<DateKey, std::vector<std::vector<const PlacedDraw*>>> runs;  // per day, in order
        const PlacedDraw* previous = nullptr;
        for (const PlacedDraw* placed : OldestFirst(input_, unnumbered_)) {
            if (numberedDraws_.count({placed->draw.dateKey, placed->draw.numbers}) != 0) {
                ++plan_.alreadyKnown;
                continue;
            }
            auto& day = runs[placed->draw.dateKey];
            if (previous == nullptr || previous->draw.dateKey != placed->draw.dateKey ||
                previous->place.source.data() != placed->place.source.data() || day.empty()) {
                day.emplace_back();
            }
            day.back().push_back(placed);
            previous = placed;
        }
        for (auto& [date, dayRuns] : runs) {
            if (!PlanDay(date, dayRuns)) {
                return false;
            }
        }
        return true;
    }

    bool PlanDay(DateKey date, std::vector<std::vector<const PlacedDraw*>>& dayRuns) {
        // Each run's distinct draws; the runs must agree, one holding every
        // draw of the others.
        const auto distinct = [](const std::vector<const PlacedDraw*>& run) {
            std::vector<const PlacedDraw*> draws;
            for (const PlacedDraw* placed : run) {
                if (std::none_of(draws.begin(), draws.end(), [&](const PlacedDraw* kept) {
                        return kept->draw.numbers == placed->draw.numbers;
                    })) {
                    draws.push_back(placed);
                }
            }
            return draws;
        };
        std::size_t given = 0;
        for (auto& run : dayRuns) {
            given += run.size();
            run = distinct(run);
        }
        std::stable_sort(dayRuns.begin(), dayRuns.end(),
                         [](const auto& a, const auto& b) { return a.size() < b.size(); });
        const auto holds = [](const std::vector<const PlacedDraw*>& run, const NumberSet& numbers) {
            return std::any_of(run.begin(), run.end(), [&](const PlacedDraw* kept) {
                return kept->draw.numbers == numbers;
            });
        };
        for (std::size_t i = 1; i < dayRuns.size(); ++i) {
            const auto& smaller = dayRuns[i - 1];
            const auto& larger = dayRuns[i];
            const auto lost = std::find_if(
                smaller.begin(), smaller.end(),
                [&](const PlacedDraw* kept) { return !holds(larger, kept->draw.numbers); });
            if (lost != smaller.end()) {
                const auto extra = std::find_if(
                    larger.begin(), larger.end(),
                    [&](const PlacedDraw* kept) { return !holds(smaller, kept->draw.numbers); });
                return Refuse(DateConflictText(**extra, (*lost)->draw.numbers, &(*lost)->place));
            }
        }
        const std::vector<const PlacedDraw*>& day = dayRuns.back();
        plan_.alreadyKnown += given - day.size();
        static const std::vector<const HistoryDraw*> kNone;
        const auto found = historyByDate_.find(date);
        const std::vector<const HistoryDraw*>& known =
            found == historyByDate_.end() ? kNone : found->second;
        const auto inHistory = [&](const NumberSet& numbers) {
            return std::any_of(known.begin(), known.end(),
                               [&](const HistoryDraw* draw) { return draw->numbers == numbers; });
        };
        for (const PlacedDraw* placed : day) {
            if (inHistory(placed->draw.numbers)) {
                ++plan_.alreadyKnown;
                continue;
            }
            if (!known.empty()) {
                // The history's last day may lack its second draw; every
                // other day it holds is whole.
                const auto missing = std::find_if(
                    known.begin(), known.end(),
                    [&](const HistoryDraw* draw) { return !holds(day, draw->numbers); });
                if (date != history_.lastDate || missing != known.end()) {
                    const HistoryDraw* other = missing != known.end() ? *missing : known.front();
                    return Refuse(DateConflictText(*placed, other->numbers, nullptr));
                }
                newUnnumbered_.push_back(placed);
            } else if (date < history_.lastDate) {
                ++plan_.olderUnknown;
            } else {
                newUnnumbered_.push_back(placed);
            }
        }
        return true;
    }

    // New numbered draws follow the history's last number without a gap,
    // in date order, and are not draws the history holds under another number.
    bool CheckNumbered() {
        std::vector<std::pair<std::size_t, std::size_t>> gaps;
        const PlacedDraw* afterGap = nullptr;
        std::size_t expected = history_.lastNumber + 1;
        for (const auto& [number, placed] : newNumbered_) {
            if (number != expected) {
                gaps.emplace_back(expected, number - 1);
                afterGap = afterGap != nullptr ? afterGap : placed;
            }
            expected = number + 1;
        }
        if (!gaps.empty()) {
            return Refuse(MissingNumbersText(*afterGap, gaps, history_.lastNumber));
        }
        DateKey previousDate = history_.lastDate;
        const PlacedDraw* previous = nullptr;
        for (const auto& [number, placed] : newNumbered_) {
            if (placed->draw.dateKey < previousDate) {
                return Refuse(OutOfOrderText(*placed, previous, history_.lastNumber, previousDate));
            }
            const auto day = historyByDate_.find(placed->draw.dateKey);
            if (day != historyByDate_.end()) {
                for (const HistoryDraw* draw : day->second) {
                    if (draw->numbers == placed->draw.numbers) {
                        return Refuse(KnownUnderOtherNumberText(*placed, draw->number));
                    }
                }
            }
            previousDate = placed->draw.dateKey;
            previous = placed;
        }
        return true;
    }

    // Draws without numbers are numbered on from the last line only where
    // its number is the base's highest, and only while their dates keep the
    // rhythm of the base's last draws: a longer pause may hide a draw the
    // input lacks, which would shift every number after it.
    bool CheckNumberedOn() {
        if (newUnnumbered_.empty()) {
            return true;
        }
        std::stable_sort(newUnnumbered_.begin(), newUnnumbered_.end(),
                         [](const PlacedDraw* a, const PlacedDraw* b) {
                             return a->draw.dateKey < b->draw.dateKey;
                         });
        if (history_.highestNumber > history_.lastNumber) {
            return Refuse(NumbersStepBackText(*newUnnumbered_.front(), history_.lastNumber,
                                              history_.highestNumber));
        }
        const std::vector<DateKey>& recent = history_.recentDates;
        if (recent.size() < 2) {
            return true;
        }
        long longest = 0;
        for (std::size_t i = 1; i < recent.size(); ++i) {
            longest = std::max(longest, DaysBetween(recent[i - 1], recent[i]));
        }
        DateKey previous = history_.lastDate;
        for (const PlacedDraw* placed : newUnnumbered_) {
            const long pause = DaysBetween(previous, placed->draw.dateKey);
            if (pause > longest) {
                return Refuse(PauseTooLongText(*placed, previous, pause, longest, recent.size()));
            }
            previous = placed->draw.dateKey;
        }
        return true;
    }

    bool CheckNotMixed() {
        if (newNumbered_.empty() || newUnnumbered_.empty()) {
            return true;
        }
        return Refuse(MixedNumberingText(*newUnnumbered_.front(), *newNumbered_.begin()->second));
    }

    const ScannedHistory& history_;
    const std::vector<PlacedDraw>& input_;
    std::multimap<std::size_t, const HistoryDraw*> historyByNumber_;
    std::map<DateKey, std::vector<const HistoryDraw*>> historyByDate_;
    std::set<const PlacedDraw*> unnumbered_;
    std::set<std::pair<DateKey, NumberSet>> numberedDraws_;  // every draw given with its number
    std::map<std::size_t, const PlacedDraw*> newNumbered_;
    std::vector<const PlacedDraw*> newUnnumbered_;
    ImportPlan plan_;
};

template <typename Value>
void SortUnique(std::vector<Value>& values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

}  // namespace

HistoryQuestions QuestionsOf(const std::vector<PlacedDraw>& input) {
    // An import shows no statistics of the history.
    HistoryQuestions questions;
    questions.scope = SummaryScope::CountAndLastDate;
    for (const PlacedDraw& placed : input) {
        if (placed.draw.drawNumber != 0) {
            questions.numbers.push_back(placed.draw.drawNumber);
        }
        questions.dates.push_back(placed.draw.dateKey);
    }
    SortUnique(questions.numbers);
    SortUnique(questions.dates);
    return questions;
}

ImportPlan PlanImport(const ScannedHistory& history, const std::vector<PlacedDraw>& input) {
    return Planner(history, input).Run();
}

}  // namespace kulko
