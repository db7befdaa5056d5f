#pragma once

#include <cstddef>
#include <cstdint>

#include "game/number_set.hpp"
#include "text/digits.hpp"
#include "text/usual_numbers.hpp"

namespace kulko {

inline constexpr std::size_t kDateLength = 10;

// A results line in its usual form, as nearly every line is: a draw number
// of up to fifteen digits, ";", a date of ten characters with digits where
// the date check reads its day, month and year and any separator but ";",
// CR and LF, ";", and six number tokens of one or two digits separated by
// ";", the line ended by CR LF, LF or the end of the text. Such a line holds
// exactly seven semicolons, passes the date check, and its numbers part is
// the six tokens.
struct UsualResultsLine {
    std::int32_t numbers[kNumbersPerDraw];
    std::size_t dateAt;  // offset of the date from the line's start
    std::size_t length;  // of the line's text, without its line end
    std::size_t next;    // offset after the line's end from its start
};

// Reads the line that starts at text[at]; false when it is not usual, and
// then it must be read by the general rules (CutResultsLine and the rest).
// The line is looked at forty-eight bytes at once, and its fields read from
// where its semicolons stand, without a branch on every byte.
inline bool ScanUsualResultsLine(const char* text, std::size_t size, std::size_t at,
                                 UsualResultsLine& usual) {
    const UsualLineView line(text, size, at);
    LineMarks marks;
    MarkLine(line, marks);
    // Bits past the marked bytes stand in for marks found nowhere, so that
    // every search of a mask finds a bit: none of them is in a usual line.
    constexpr std::uint64_t kBeyond = ~std::uint64_t{0} << kUsualLineMarked;
    std::uint64_t ends = marks.lineEnds | kBeyond;
    if (line.Left() < kUsualLineMarked) {
        ends |= std::uint64_t{1} << line.Left();  // the end of the text ends the line too
    }
    // A usual line is at most 44 bytes; the byte after its end is in reach.
    const auto length = static_cast<std::size_t>(__builtin_ctzll(ends));
    if (length + 1 >= kUsualLineMarked) {
        return false;
    }
    const std::uint64_t inLine = (std::uint64_t{1} << length) - 1;
    // Exactly seven semicolons: where each stands ends a field. (Counted as
    // they are taken: a processor without a bit-count instruction would
    // call a library routine for it.)
    std::uint64_t semicolons = (marks.semicolons & inLine) | kBeyond;
    std::size_t fieldEnds[kNumbersPerDraw + 2];
    for (std::size_t i = 0; i <= kNumbersPerDraw; ++i) {
        fieldEnds[i] = static_cast<std::size_t>(__builtin_ctzll(semicolons));
        semicolons &= semicolons - 1;
    }
    if ((semicolons & inLine) != 0 || fieldEnds[kNumbersPerDraw] >= length) {
        return false;
    }
    fieldEnds[kNumbersPerDraw + 1] = length;
    // The draw number: digits only, at most fifteen of them. The date: day,
    // month and year digits, its separators (bytes 2 and 5) holding no ";"
    // (the next one closes the date) and no line end (it comes later).
    const std::size_t digits = fieldEnds[0];
    const std::size_t date = digits + 1;
    constexpr std::uint64_t kDateDigits = 0b1111011011;
    // The numbers: digits between the semicolons, one or two to a number.
    const std::uint64_t numbersPart = inLine & ~((std::uint64_t{2} << fieldEnds[1]) - 1);
    const std::uint64_t numberDigits = marks.digits & numbersPart;
    const std::uint64_t bounds =
        (marks.semicolons & (numbersPart | std::uint64_t{1} << fieldEnds[1])) | std::uint64_t{1}
                                                                                    << length;
    const std::uint64_t faults = static_cast<std::uint64_t>(digits > 15) |
                                 (~marks.digits & ((std::uint64_t{1} << digits) - 1)) |
                                 static_cast<std::uint64_t>(fieldEnds[1] != date + kDateLength) |
                                 (((marks.digits >> date) & kDateDigits) ^ kDateDigits) |
                                 (numbersPart & ~marks.semicolons & ~marks.digits) |
                                 (bounds & bounds >> 1) |
                                 (numberDigits & numberDigits >> 1 & numberDigits >> 2);
    if (faults != 0) {
        return false;
    }
    for (std::size_t i = 0; i < kNumbersPerDraw; ++i) {
        usual.numbers[i] = marks.numberEndingAt[fieldEnds[i + 2] - 1];
    }
    if (length == line.Left()) {
        usual.next = length;
    } else if (line[length] == '\n') {
        usual.next = length + 1;
    } else if (line[length + 1] == '\n') {
        usual.next = length + 2;
    } else {
        return false;  // a lone CR: the line goes on to the next LF
    }
    usual.dateAt = date;
    usual.length = length;
    return true;
}

}  // namespace kulko
