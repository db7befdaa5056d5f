#include "wyniki/results_import.hpp"

#include <algorithm>
#include <utility>

#include "game/number_set.hpp"
#include "results/renumbering.hpp"
#include "results/results_line.hpp"

namespace kulko {

std::optional<BadInputLine> ReadInputDraws(TextFileReader& reader, const std::string& source,
                                           std::vector<PlacedDraw>& draws) {
    std::size_t lineNumber = 0;
    bool firstLine = true;
    for (std::string_view line; reader.ReadLine(line);) {
        ++lineNumber;
        if (TrimmedLine(line).empty()) {
            continue;
        }
        const bool mayBeHeader = std::exchange(firstLine, false);
        InputPlace place{source, lineNumber, std::string(line)};
        auto read = ReadInputLine(line);
        if (auto* draw = std::get_if<InputDraw>(&read)) {
            draws.push_back({std::move(*draw), std::move(place)});
        } else if (!mayBeHeader || !IsHeaderLine(line)) {
            return BadInputLine{std::move(place), std::get<InputLineFault>(read)};
        }
    }
    return std::nullopt;
}

CheckedHistory ReadCheckedHistory(const std::filesystem::path& resultsFile) {
    CheckedHistory history;
    // Taken before the read: a file changed while it is read never passes
    // for the one read.
    history.identity = IdentityOf(resultsFile);
    TextFileReader reader(resultsFile);
    history.verdict = ValidateResults(reader, true, reader.LineCount(), history.summary);
    if (history.verdict.kind != ValidationVerdict::Kind::Sound) {
        history.bytes = reader.ReleaseBytes();
        return history;
    }
    reader.Rewind();
    for (std::string_view line; reader.ReadLine(line);) {
        const ResultsLineFields fields = CutResultsLine(line);
        NumberSet six{};
        std::size_t count = 0;
        ForEachNumber(fields.numbersPart, [&](int value) {
            if (count < six.size()) {
                six[count++] = value;
            }
        });
        std::sort(six.begin(), six.end());
        history.lastDate = HistoryDateKey(fields.date);
        history.draws.emplace(history.lastDate, six);
        history.lastNumber =
            static_cast<std::size_t>(std::max(0, TextToNumberValue(fields.drawNumber)));
    }
    history.bytes = reader.ReleaseBytes();
    return history;
}

ImportPlan PlanImport(const CheckedHistory& history, const std::vector<PlacedDraw>& input) {
    ImportPlan plan;
    std::map<DateKey, const PlacedDraw*> fresh;  // ordered by date
    const auto conflict = [&](const PlacedDraw& incoming, const NumberSet& other,
                              std::optional<InputPlace> otherPlace) {
        plan.conflict = DrawConflict{incoming, other, std::move(otherPlace)};
        return plan;
    };
    for (const PlacedDraw& placed : input) {
        const InputDraw& draw = placed.draw;
        const auto [first, last] = history.draws.equal_range(draw.dateKey);
        if (first != last) {
            // Draw days of old had two draws; either may be the one given.
            const bool known = std::any_of(
                first, last, [&](const auto& entry) { return entry.second == draw.numbers; });
            if (!known) {
                return conflict(placed, first->second, std::nullopt);
            }
            ++plan.alreadyKnown;
            continue;
        }
        if (draw.dateKey <= history.lastDate) {
            ++plan.olderUnknown;
            continue;
        }
        const auto [it, inserted] = fresh.emplace(draw.dateKey, &placed);
        if (!inserted) {
            if (it->second->draw.numbers != draw.numbers) {
                return conflict(placed, it->second->draw.numbers, it->second->place);
            }
            ++plan.alreadyKnown;
        }
    }
    for (const auto& [key, placed] : fresh) {
        plan.added.push_back(placed->draw);
    }
    return plan;
}

std::string ImportedText(const CheckedHistory& history, const std::vector<InputDraw>& added) {
    // Every byte of the file stays. The new lines go where the reader's view
    // of the file ends, before a Ctrl-Z, or they would never be read.
    const std::string& bytes = history.bytes;
    const std::size_t end = std::min(bytes.find(kCtrlZ), bytes.size());
    std::string text = bytes.substr(0, end);
    if (!text.empty() && text.back() != '\n') {
        text += text.back() == '\r' ? "\n" : "\r\n";
    }
    std::size_t number = history.lastNumber;
    for (const InputDraw& draw : added) {
        text += FourDigitNumber(++number) + ";" + draw.date + ";" + NumberSetText(draw.numbers) +
                "\r\n";
    }
    return text + bytes.substr(end);
}

}  // namespace kulko
