#include "memory/set_check.hpp"

#include "files/file_ops.hpp"
#include "files/text_file.hpp"
#include "text/text_to_number.hpp"

namespace kulko {

SetSlots SplitIntoSlots(std::string_view text) {
    SetSlots slots{};
    std::size_t start = 0;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        const std::size_t semicolon = text.find(';', start);
        if (semicolon == std::string_view::npos) {
            // The last field has no ";" after it; an empty rest is no field.
            if (start < text.size()) {
                slots[slot] = TextToNumberValue(text.substr(start));
            }
            break;
        }
        slots[slot] = TextToNumberValue(text.substr(start, semicolon - start));
        start = semicolon + 1;
    }
    return slots;
}

int CountHits(const SetSlots& typed, const SetSlots& stored) {
    int hits = 0;
    for (const std::int32_t number : typed) {
        if (number == 0) {
            continue;
        }
        for (const std::int32_t kept : stored) {
            if (kept == number) {
                ++hits;
            }
        }
    }
    return hits;
}

std::vector<CheckedSet> CheckMemoryFile(const std::filesystem::path& memoryFile,
                                        std::string_view typedText) {
    std::vector<CheckedSet> checked;
    if (!FileExists(memoryFile)) {
        return checked;
    }
    const SetSlots typed = SplitIntoSlots(typedText);
    TextReader reader(memoryFile);
    std::string_view line;
    while (reader.ReadLine(line)) {
        // Each line is split on its own, so a short line never keeps numbers
        // of the line above it.
        checked.push_back({std::string(line), CountHits(typed, SplitIntoSlots(line))});
    }
    return checked;
}

}  // namespace kulko
