// The start-up read of the results file: line reading, cutting, the checks
// and the summary, with the check on and off. The counts of the summary must
// agree with the counting of the chart, which reads the same file its own way.
#include <algorithm>
#include <cstdint>

#include "files/text_file.hpp"
#include "fuzz_support.hpp"
#include "results/results_listing.hpp"
#include "results/validating_read.hpp"
#include "stats/number_counts.hpp"

using namespace kulko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(fuzz::AsText(data, size));
    const auto file = fuzz::ScratchFile("kulko.txt", bytes);
    const std::size_t lineTotal = CountLines(file);

    // Unchecked: every line is read and counted.
    DrawSummary unchecked;
    TextReader all = TextReader::FromBytes(bytes);
    const ValidationVerdict free = ValidateResults(all, false, lineTotal, unchecked);
    fuzz::Require(free.kind == ValidationVerdict::Kind::Sound, "unchecked read reports damage");
    fuzz::Require(unchecked.readDrawCount == lineTotal, "unchecked read skipped lines");
    fuzz::Require(unchecked.numberFrequency == CountResultsNumbers(file),
                  "summary counts differ from the chart counts");
    fuzz::Require(unchecked.mostFrequentNumber >= 0 && unchecked.mostFrequentNumber <= 49,
                  "most frequent number out of range");
    fuzz::Require(ReadResultsListing(file).size() == lineTotal, "listing differs in lines");

    // Checked: a sound verdict means every line passed; damage names a line.
    DrawSummary checked;
    TextReader again = TextReader::FromBytes(bytes);
    const ValidationVerdict verdict = ValidateResults(again, true, lineTotal, checked);
    if (verdict.kind == ValidationVerdict::Kind::Sound) {
        fuzz::Require(checked.readDrawCount == lineTotal, "sound read skipped lines");
        fuzz::Require(checked.numberFrequency == unchecked.numberFrequency,
                      "checked and unchecked counts differ");
    } else {
        fuzz::Require(DamageReportText(verdict.kind)[0] != '\0', "damage without a text");
        fuzz::Require(checked.readDrawCount < lineTotal ||
                          verdict.kind == ValidationVerdict::Kind::RangeError,
                      "damage reported past the end");
        fuzz::Require(bytes.find(verdict.line) != std::string::npos, "damaged line not in file");
    }

    // Read a piece at a time (as the results tool reads), the same verdict
    // and counts; told no count of lines, it leaves the newest fifty rows out.
    DrawSummary streamed;
    TextReader stream(file);
    const ValidationVerdict pieces = ValidateResults(stream, true, 0, streamed);
    fuzz::Require(pieces.kind == verdict.kind && pieces.line == verdict.line,
                  "the streamed read gives another verdict");
    fuzz::Require(streamed.readDrawCount == checked.readDrawCount &&
                      streamed.numberFrequency == checked.numberFrequency &&
                      streamed.pairDraws == checked.pairDraws &&
                      streamed.tripleDraws == checked.tripleDraws &&
                      streamed.lastDate == checked.lastDate,
                  "the streamed read counts otherwise");
    // The start-up read, a piece at a time without knowing the count of
    // lines, puts the newest draws in the same rows.
    DrawSummary startup;
    const ValidationVerdict started = ValidateResultsFile(file, true, startup);
    fuzz::Require(started.kind == verdict.kind && startup.recentDraws == checked.recentDraws &&
                      startup.lowNumberTotal == checked.lowNumberTotal &&
                      startup.allEvenDraws == checked.allEvenDraws,
                  "the start-up read gives other rows or counts");
    return 0;
}
