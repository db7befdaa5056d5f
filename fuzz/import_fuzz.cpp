// The results tool's import: a results file and a results list of any
// content, cut at a byte 0. Whatever the list holds, an import that goes
// through leaves a file the program's validating read accepts, adds only
// draws after the last one, in date order, and adds nothing when run again.
#include <cstdint>
#include <string>

#include "fuzz_support.hpp"
#include "wyniki/results_import.hpp"

using namespace kulko;

namespace {

bool Sound(const CheckedHistory& history) {
    return history.verdict.kind == ValidationVerdict::Kind::Sound;
}

void CheckDraw(const InputDraw& draw) {
    fuzz::Require(draw.date == DateText(draw.dateKey), "date text and key differ");
    const auto reread = ReadInputLine("1;" + draw.date + ";1;2;3;4;5;6");
    fuzz::Require(std::holds_alternative<InputDraw>(reread), "a draw's date is not read back");
    for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
        fuzz::Require(IsGameNumber(draw.numbers[i]), "number out of range");
        fuzz::Require(i == 0 || draw.numbers[i - 1] < draw.numbers[i], "numbers not ascending");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [historyBytes, listBytes] = fuzz::SplitAtNul(fuzz::AsText(data, size));
    const CheckedHistory history = ReadCheckedHistory(fuzz::ScratchFile("kulko.txt", historyBytes));
    TextFileReader list = TextFileReader::FromBytes(std::string(listBytes));
    std::vector<PlacedDraw> draws;
    const auto bad = ReadInputDraws(list, "lista", draws);
    for (const PlacedDraw& placed : draws) {
        CheckDraw(placed.draw);
    }
    if (bad || !Sound(history)) {
        return 0;
    }
    const ImportPlan plan = PlanImport(history, draws);
    if (plan.conflict) {
        fuzz::Require(plan.added.empty(), "a conflict with draws to add");
        return 0;
    }
    fuzz::Require(plan.added.size() + plan.alreadyKnown + plan.olderUnknown == draws.size(),
                  "draws lost or counted twice");
    DateKey previous = history.lastDate;
    for (const InputDraw& draw : plan.added) {
        fuzz::Require(draw.dateKey > previous, "added draws not after the last, in date order");
        previous = draw.dateKey;
    }
    const CheckedHistory imported =
        ReadCheckedHistory(fuzz::ScratchFile("kulko.txt", ImportedText(history, plan.added)));
    fuzz::Require(Sound(imported), "the imported file fails the validating read");
    fuzz::Require(
        imported.summary.readDrawCount == history.summary.readDrawCount + plan.added.size(),
        "the added lines are not all read");
    const ImportPlan again = PlanImport(imported, draws);
    fuzz::Require(!again.conflict && again.added.empty(), "a second import adds again");
    return 0;
}
