// The choices file of the systems window: any bytes load into choices or
// into none, never a crash; what was loaded is written back and read again
// unchanged, so a damaged file cannot grow into another one on the next
// start; every number read from it keeps to its range.
#include <cstdint>
#include <string>

#include "files/work_files.hpp"
#include "fuzz_support.hpp"
#include "systemy/window_choices.hpp"

using namespace kulko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::ScratchFile(kSystemyChoicesFile, fuzz::AsText(data, size));
    const WindowChoices choices = LoadWindowChoices(file);
    for (const auto& [key, value] : choices) {
        const auto number = ChosenNumber(choices, key, -5, 1000);
        fuzz::Require(!number || (*number >= -5 && *number <= 1000), "a number out of its range");
    }
    if (!choices.empty()) {
        SaveWindowChoices(file, choices);
        fuzz::Require(LoadWindowChoices(file) == choices, "choices changed on the way back");
    }
    return 0;
}
