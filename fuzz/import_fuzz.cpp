// The results tool's import: a results file and a results list of any
// content, cut at a byte 0. Whatever the list holds, an import that goes
// through leaves a file the program's validating read accepts, adds only
// draws after the last one, in date order and numbered on without a gap,
// and adds nothing when run again.
#include <cstdint>
#include <string>

#include "fuzz_support.hpp"
#include "import/import_plan.hpp"
#include "import/imported_text.hpp"
#include "import/input_text.hpp"

using namespace kulko;

namespace {

constexpr DateKey kToday = MakeDateKey(2026, 12, 7);

bool Sound(const ScannedHistory& history) {
    return history.verdict.kind == ValidationVerdict::Kind::Sound;
}

void CheckDraw(const InputDraw& draw) {
    fuzz::Require(
        CalendarDay(draw.dateKey / 10000, draw.dateKey / 100 % 100, draw.dateKey % 100).has_value(),
        "a draw without a calendar date");
    fuzz::Require(draw.dateKey <= kToday, "a draw from the future");
    for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
        fuzz::Require(IsGameNumber(draw.numbers[i]), "number out of range");
        fuzz::Require(i == 0 || draw.numbers[i - 1] < draw.numbers[i], "numbers not ascending");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [historyBytes, listBytes] = fuzz::SplitAtNul(fuzz::AsText(data, size));
    auto text = InputText(std::string(listBytes));
    if (!std::holds_alternative<std::string>(text)) {
        return 0;
    }
    InputSource list{"lista", TextReader::FromBytes(std::get<std::string>(std::move(text)))};
    std::vector<PlacedDraw> draws;
    const auto bad = ReadInputDraws(list, kToday, draws);
    if (bad) {
        return 0;
    }
    for (const PlacedDraw& placed : draws) {
        CheckDraw(placed.draw);
    }
    const std::filesystem::path file = fuzz::ScratchFile("kulko.txt", historyBytes);
    const ScannedHistory history = ScanHistory(file, QuestionsOf(draws));
    if (!Sound(history)) {
        return 0;
    }
    const ImportPlan plan = PlanImport(history, draws);
    if (plan.refusal) {
        fuzz::Require(plan.added.empty(), "a refusal with draws to add");
        return 0;
    }
    fuzz::Require(plan.added.size() + plan.alreadyKnown + plan.olderUnknown == draws.size(),
                  "draws lost or counted twice");
    DateKey previous = history.lastDate;
    std::size_t number = history.lastNumber;
    for (const NewDraw& draw : plan.added) {
        fuzz::Require(draw.dateKey >= previous, "added draws not after the last, in date order");
        fuzz::Require(draw.number == ++number, "added draws not numbered on");
        previous = draw.dateKey;
    }
    const std::string bytes(historyBytes);
    const auto end = static_cast<std::size_t>(history.linesEnd);
    const std::string imported =
        bytes.substr(0, end) + AddedLines(history.lastByte, plan.added) + bytes.substr(end);
    const ScannedHistory again =
        ScanHistory(fuzz::ScratchFile("kulko.txt", imported), QuestionsOf(draws));
    fuzz::Require(Sound(again), "the imported file fails the validating read");
    fuzz::Require(again.summary.readDrawCount == history.summary.readDrawCount + plan.added.size(),
                  "the added lines are not all read");
    const ImportPlan second = PlanImport(again, draws);
    fuzz::Require(!second.refusal && second.added.empty(), "a second import adds again");
    return 0;
}
