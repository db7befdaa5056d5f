#include "generator/history_index.hpp"

#include <algorithm>
#include <bit>

#include "files/text_reader.hpp"
#include "results/results_line.hpp"

namespace kulko {
namespace {

// Spacings are the five gaps from the lowest number, 1 to 48 each.
constexpr int kSpacingUniverse = kHighestNumber - 1;
constexpr int kSpacingSize = kNumbersPerDraw - 1;

// Rank of the gaps of sorted, strictly rising values whose span is at most 48.
template <typename Value>
std::uint32_t SpacingRank(const Value* sorted) {
    int gaps[kSpacingSize];
    for (int i = 0; i < kSpacingSize; ++i) {
        gaps[i] = static_cast<int>(sorted[i + 1] - sorted[0]) - 1;
    }
    return SubsetRank(gaps, kSpacingSize);
}

// Calls visit(rank) for every part of Size elements of the first `count`
// sorted values: the part's largest element is chosen first, and the rank
// is summed on the way down, so no part is built or ranked on its own.
template <int Size, typename Visit>
void ForEachPartOf(const int* values, int count, std::uint32_t rankAbove, Visit& visit) {
    for (int top = Size - 1; top < count; ++top) {
        const std::uint32_t rank = rankAbove + Binomial(values[top], Size);
        if constexpr (Size == 1) {
            visit(rank);
        } else {
            ForEachPartOf<Size - 1>(values, top, rank, visit);
        }
    }
}

template <typename Visit>
void ForEachPart(const int* values, int count, int size, Visit&& visit) {
    if (size == 5) {
        ForEachPartOf<5>(values, count, 0, visit);
    } else {
        ForEachPartOf<4>(values, count, 0, visit);
    }
}

}  // namespace

HistoryIndex::HistoryIndex(DrawMode mode) : mode_(mode) {
    switch (mode) {
        case DrawMode::Normal:
            break;
        case DrawMode::NoSix:
            rejectingHits_ = 6;
            spacings_ = SubsetBits(kSpacingUniverse, kSpacingSize);
            break;
        case DrawMode::NoFive:
            rejectingHits_ = partSize_ = 5;
            sharedParts_ = SubsetBits(kHighestNumber, partSize_);
            break;
        case DrawMode::NoFour:
            rejectingHits_ = partSize_ = 4;
            sharedParts_ = SubsetBits(kHighestNumber, partSize_);
            break;
    }
}

HistoryIndex::RecordNumbers HistoryIndex::FirstSixNumbers(std::string_view line) {
    // The numbers part cut at every ";" as every reader of the file cuts it,
    // stopping after the sixth token: further tokens take no part and are
    // not converted.
    const std::string_view part = CutResultsLine(line).numbersPart;
    RecordNumbers numbers{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::size_t semicolon = part.find(';', start);
        numbers[i] = TextToNumberValue(part.substr(start, semicolon - start));
        if (semicolon == std::string_view::npos) {
            break;
        }
        start = semicolon + 1;
    }
    return numbers;
}

HistoryIndex HistoryIndex::FromText(TextReader& reader, DrawMode mode) {
    HistoryIndex index(mode);
    for (std::string_view piece; reader.NextPiece(piece);) {
        index.AddText(piece);
    }
    return index;
}

void HistoryIndex::AddText(std::string_view text) {
    if (mode_ == DrawMode::Normal) {
        return;  // no record rejects
    }
    std::size_t at = 0;
    UsualResultsLine usual{};
    while (at < text.size()) {
        if (ScanUsualResultsLine(text.data(), text.size(), at, usual)) {
            // Six different numbers 1 to 49, as nearly every draw is, go in
            // by their bits, which also give them in order.
            NumberBits numbers = 0;
            bool inRange = true;
            for (std::int32_t value : usual.numbers) {
                inRange = inRange && IsGameNumber(value);
                numbers |= NumberBits{1} << (value & 63);
            }
            if (inRange && CountBits(numbers) == kNumbersPerDraw) {
                AddDistinct(numbers);
            } else {
                RecordNumbers record;
                std::copy(std::begin(usual.numbers), std::end(usual.numbers), record.begin());
                Add(record);
            }
            at += usual.next;
            continue;
        }
        std::string_view rest = text.substr(at);
        Add(FirstSixNumbers(TakeLine(rest)));
        at = text.size() - rest.size();
    }
    Finish();
}

void HistoryIndex::AddDistinct(NumberBits numbers) {
    int values[kNumbersPerDraw];
    for (int& value : values) {
        value = std::countr_zero(numbers);
        numbers &= numbers - 1;
    }
    if (mode_ == DrawMode::NoSix) {
        spacings_.Set(SpacingRank(values));
        return;
    }
    for (int& value : values) {
        --value;  // ranks count from 0
    }
    AddSharedParts(values, kNumbersPerDraw);
}

void HistoryIndex::Add(const RecordNumbers& record) {
    // The numbers 1 to 49 of the record, sorted; other values never equal
    // a candidate number.
    int values[kNumbersPerDraw];
    int inRange = 0;
    for (std::int32_t value : record) {
        if (IsGameNumber(value)) {
            int at = inRange++;
            for (; at > 0 && values[at - 1] > value; --at) {
                values[at] = values[at - 1];
            }
            values[at] = value;
        }
    }
    bool repeated = false;
    for (int i = 1; i < inRange; ++i) {
        repeated = repeated || values[i] == values[i - 1];
    }

    if (repeated) {
        // A number standing twice counts twice in the hits, which no table
        // of distinct numbers can tell: keep the record itself. It can only
        // reject when it has enough numbers in range.
        if (inRange >= rejectingHits_) {
            RepeatMasks masks{};
            for (int i = 0; i < inRange; ++i) {
                std::size_t level = 0;
                while ((masks[level] >> values[i]) & 1u) {
                    ++level;
                }
                masks[level] |= std::uint64_t{1} << values[i];
            }
            repeatedRecords_.push_back(masks);
        }
        // Sorted, a repeated number leaves a gap of 0, which no candidate
        // has: such a record is never the source of a shifted copy.
        return;
    }

    if (mode_ == DrawMode::NoSix) {
        // Hits 6 with distinct numbers means the same six numbers: the
        // shift by 0, which the spacing test covers.
        AddSpacing(record);
        return;
    }
    for (int i = 0; i < inRange; ++i) {
        --values[i];  // ranks count from 0
    }
    AddSharedParts(values, inRange);
}

void HistoryIndex::AddSharedParts(const int* values, int count) {
    if (count < partSize_) {
        return;  // too few numbers in range to reach the rejecting hits
    }
    ForEachPart(values, count, partSize_, [this](std::uint32_t rank) { sharedParts_.Set(rank); });
}

void HistoryIndex::AddSpacing(const RecordNumbers& record) {
    std::array<std::int64_t, kNumbersPerDraw> sorted{};
    std::copy(record.begin(), record.end(), sorted.begin());
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        if (sorted[i] == sorted[i - 1]) {
            return;  // a gap of 0 (zeros of missing tokens, for one)
        }
    }
    if (sorted.back() - sorted.front() > kHighestNumber - kLowestNumber) {
        return;  // wider than any candidate
    }
    const std::uint32_t spacing = SpacingRank(sorted.data());
    if (sorted.front() >= kLowestNumber && sorted.back() <= kHighestNumber) {
        // Every placement of these gaps within 1 to 49 is a shift of at
        // most 48 from this record, so all of them are copies.
        spacings_.Set(spacing);
    } else {
        offRangeSpacings_.push_back({spacing, sorted.front()});
    }
}

void HistoryIndex::Finish() {
    std::sort(offRangeSpacings_.begin(), offRangeSpacings_.end());
    offRangeSpacings_.erase(std::unique(offRangeSpacings_.begin(), offRangeSpacings_.end()),
                            offRangeSpacings_.end());
    std::sort(repeatedRecords_.begin(), repeatedRecords_.end());
    repeatedRecords_.erase(std::unique(repeatedRecords_.begin(), repeatedRecords_.end()),
                           repeatedRecords_.end());
}

bool HistoryIndex::Rejects(const NumberSet& candidate) const {
    switch (mode_) {
        case DrawMode::Normal:
            return false;
        case DrawMode::NoSix:
            return IsShiftedCopy(candidate) || RepeatedRecordHits(NumberSetMask(candidate));
        case DrawMode::NoFive:
        case DrawMode::NoFour:
            return SharesParts(candidate) || RepeatedRecordHits(NumberSetMask(candidate));
    }
    return false;
}

bool HistoryIndex::SharesParts(const NumberSet& candidate) const {
    int values[kNumbersPerDraw];
    for (std::size_t i = 0; i < candidate.size(); ++i) {
        values[i] = candidate[i] - 1;
    }
    bool found = false;
    ForEachPart(values, kNumbersPerDraw, partSize_,
                [&](std::uint32_t rank) { found = found || sharedParts_.Test(rank); });
    return found;
}

bool HistoryIndex::IsShiftedCopy(const NumberSet& candidate) const {
    const std::uint32_t spacing = SpacingRank(candidate.data());
    if (spacings_.Test(spacing)) {
        return true;
    }
    const auto first = std::lower_bound(offRangeSpacings_.begin(), offRangeSpacings_.end(),
                                        OffRangeSpacing{spacing, INT64_MIN});
    for (auto it = first; it != offRangeSpacings_.end() && it->spacing == spacing; ++it) {
        const std::int64_t shift = candidate[0] - it->lowest;
        if (shift >= -kHighestNumber && shift <= kHighestNumber) {
            return true;
        }
    }
    return false;
}

bool HistoryIndex::RepeatedRecordHits(std::uint64_t candidateMask) const {
    for (const RepeatMasks& masks : repeatedRecords_) {
        int hits = 0;
        for (std::uint64_t mask : masks) {
            hits += CountBits(candidateMask & mask);  // few such records
        }
        if (hits >= rejectingHits_) {
            return true;
        }
    }
    return false;
}

}  // namespace kulko
