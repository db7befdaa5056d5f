// Typed numbers and kept lines split into six slots, the scoring of the
// memory file, and storing a set into a memory file of any content. The input
// is the typed text, a byte 0, then the memory file.
#include <cstdint>
#include <string>

#include "files/text_file.hpp"
#include "files/work_files.hpp"
#include "fuzz_support.hpp"
#include "memory/memory_file.hpp"
#include "memory/set_check.hpp"
#include "results/results_line.hpp"

using namespace kulko;

namespace {

// The slots as the field rule gives them: the first six ";"-separated fields.
SetSlots ReferenceSlots(std::string_view text) {
    SetSlots slots{};
    std::size_t index = 0;
    ForEachToken(text, [&](std::string_view token) {
        if (index < slots.size()) {
            slots[index++] = TextToNumberValue(token);
        }
    });
    return slots;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [typedText, memoryBytes] = fuzz::SplitAtNul(fuzz::AsText(data, size));

    const SetSlots typed = SplitIntoSlots(typedText);
    fuzz::Require(typed == ReferenceSlots(typedText), "typed text split wrongly");
    fuzz::Require(CountHits(typed, typed) >= 0 && CountHits(typed, typed) <= 36,
                  "hits out of range");

    const auto file = fuzz::ScratchFile(kMemoryFile, memoryBytes);
    const std::size_t lines = CountLines(file);
    const std::vector<CheckedSet> checked = CheckMemoryFile(file, typedText);
    fuzz::Require(checked.size() == lines, "not every kept line was scored");
    for (const CheckedSet& set : checked) {
        const SetSlots stored = SplitIntoSlots(set.storedLine);
        fuzz::Require(set.hits == CountHits(stored, typed), "hits not symmetric");
    }

    // A stored set is one more line, the last one, unless a Ctrl-Z ends the
    // file before it (the reader then never sees what follows).
    if (memoryBytes.find('\x1a') == std::string_view::npos) {
        StoreSetLine(file, "1;2;3;4;5;6");
        const std::vector<std::string> after = ReadAllLines(file);
        fuzz::Require(after.size() == lines + 1, "store did not add exactly one line");
        fuzz::Require(after.back() == "1;2;3;4;5;6", "stored set is not the last line");
    }
    return 0;
}
