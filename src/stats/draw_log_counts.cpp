#include "stats/draw_log_counts.hpp"

#include <cstring>
#include <string>

#include "files/text_file.hpp"
#include "text/digits.hpp"
#include "text/text_to_number.hpp"

namespace kulko {
namespace {

bool EndsField(char c) {
    return c == ';' || c == '\r' || c == '\n';
}

// Reads the field that starts at p into value and returns where it ends:
// at its ";", CR or LF, or at the end. Nearly every field of a draw log is
// one or two plain digits and is read at a glance; any other field goes
// through the program's number conversion, which gives the same value for
// those.
const char* ReadField(const char* p, const char* end, int& value) {
    if (end - p >= 3 && IsDigit(p[0])) {
        if (EndsField(p[1])) {
            value = p[0] - '0';
            return p + 1;
        }
        if (IsDigit(p[1]) && EndsField(p[2])) {
            value = (p[0] - '0') * 10 + (p[1] - '0');
            return p + 2;
        }
    }
    const char* stop = p;
    while (stop < end && !EndsField(*stop)) {
        ++stop;
    }
    value = TextToNumberValue(std::string_view(p, static_cast<std::size_t>(stop - p)));
    return stop;
}

}  // namespace

// The draw log grows by a line for every set shown and is counted on every
// paint, so it is cut into fields in one pass over the bytes instead of line
// by line and field by field. The line rule is the one of every text file
// (TextFileReader): a line's text ends at its first CR or LF, everything up
// to and including the next LF is skipped, and a Ctrl-Z ends the file. An
// empty field converts to 0 and is never counted, so the empty field that
// the appended ";" makes after a final ";" needs no special case.
NumberCounts CountDrawLogNumbers(const std::filesystem::path& drawLogFile) {
    const std::string bytes = ReadWholeFile(drawLogFile);
    NumberCounts counts{};
    const char* p = bytes.data();
    const void* ctrlZ = std::memchr(p, kCtrlZ, bytes.size());
    const char* const end = ctrlZ != nullptr ? static_cast<const char*>(ctrlZ) : p + bytes.size();
    while (p < end) {
        int value = 0;
        const char* stop = ReadField(p, end, value);
        if (IsGameNumber(value)) {
            ++counts[static_cast<std::size_t>(value - 1)];
        }
        if (stop == end) {
            break;
        }
        if (*stop == ';' || *stop == '\n') {
            p = stop + 1;
        } else if (end - stop >= 2 && stop[1] == '\n') {
            p = stop + 2;  // CR LF, the usual line end
        } else {
            // A CR ends the line; the rest up to and including the next LF
            // is skipped.
            const void* lf = std::memchr(stop, '\n', static_cast<std::size_t>(end - stop));
            p = lf != nullptr ? static_cast<const char*>(lf) + 1 : end;
        }
    }
    return counts;
}

}  // namespace kulko
