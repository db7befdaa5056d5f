#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "files/text_reader.hpp"
#include "game/number_set.hpp"
#include "game/subset_rank.hpp"
#include "generator/generator_options.hpp"

namespace kulko {

// The history test of the generator with the results file held in memory.
// A candidate is rejected when any record of the file rejects it:
//   "bez 6": the record's numbers equal the candidate's (hits 6), or the
//            record, sorted, plus one whole number from -49 to 49 gives the
//            candidate position by position (a shifted copy);
//   "bez 5": hits 5 or more;  "bez 4": hits 4 or more.
// Hits count the equal pairs (candidate number, record number) over the
// first six number tokens of the record (a missing token is 0).
//
// Rather than comparing every record at every attempt, the records are
// turned into tables that answer for all records added so far at once:
// for "bez 5" and "bez 4" one bit for every five- or four-number part of a
// past draw, for "bez 6" one bit for every spacing of a past draw. Records
// that do not fit these tables (a number standing twice, numbers outside
// 1 to 49 in a shifted copy) are few and are compared one by one.
// Which records reject is the same as reading the file record by record.
class HistoryIndex {
  public:
    using RecordNumbers = std::array<std::int32_t, kNumbersPerDraw>;

    // An index of no records yet.
    explicit HistoryIndex(DrawMode mode);
    // Reads every line of the results file. With "normalny" nothing is kept.
    static HistoryIndex FromText(TextReader& reader, DrawMode mode);

    // An index of no records, which records are then added to one at a time
    // (a back-test judges each past draw against the draws before it).
    static HistoryIndex Empty(DrawMode mode) { return HistoryIndex(mode); }
    void Append(const RecordNumbers& record) {
        if (mode_ != DrawMode::Normal) {
            Add(record);
            Finish();
        }
    }

    // Adds the records of `text`: whole lines of the results file, in file
    // order, the Ctrl-Z cut off. With "normalny" nothing is kept.
    void AddText(std::string_view text);

    // Whether a record added so far rejects the candidate, which holds six
    // distinct numbers 1 to 49 in ascending order.
    bool Rejects(const NumberSet& candidate) const;

    // The first six number tokens of a results line, 0 for missing ones.
    static RecordNumbers FirstSixNumbers(std::string_view line);

  private:
    void Add(const RecordNumbers& record);
    void AddDistinct(NumberBits numbers);
    void AddSharedParts(const int* values, int count);
    void AddSpacing(const RecordNumbers& record);
    void Finish();

    bool SharesParts(const NumberSet& candidate) const;
    bool IsShiftedCopy(const NumberSet& candidate) const;
    bool RepeatedRecordHits(std::uint64_t candidateMask) const;

    // A record whose numbers, sorted, are evenly spaced like a candidate
    // but do not all lie in 1 to 49: its lowest number limits the shifts.
    struct OffRangeSpacing {
        std::uint32_t spacing;
        std::int64_t lowest;
        auto operator<=>(const OffRangeSpacing&) const = default;
    };
    // Numbers that stand at least 1, 2, ... 6 times in a record.
    using RepeatMasks = std::array<std::uint64_t, kNumbersPerDraw>;

    DrawMode mode_;
    int rejectingHits_ = 0;   // hits that reject ("bez 6": 6, ...)
    int partSize_ = 0;        // "bez 5": 5, "bez 4": 4
    SubsetBits sharedParts_;  // parts of distinct numbers of past draws
    SubsetBits spacings_;     // spacings of past draws within 1 to 49
    std::vector<OffRangeSpacing> offRangeSpacings_;
    std::vector<RepeatMasks> repeatedRecords_;
};

}  // namespace kulko
