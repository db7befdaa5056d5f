#include "analyses/set_list.hpp"

#include <algorithm>

#include "files/text_file.hpp"
#include "memory/set_check.hpp"
#include "text/cp1250.hpp"

namespace kulko {

bool ReadSet(std::string_view text, NumberSet& set) {
    const SetSlots slots = SplitIntoSlots(text);
    std::copy(slots.begin(), slots.end(), set.begin());
    std::sort(set.begin(), set.end());
    return IsGameNumber(set.front()) && IsGameNumber(set.back()) &&
           std::adjacent_find(set.begin(), set.end()) == set.end();
}

SetList TypedSet(std::string_view text) {
    SetList list;
    NumberSet set{};
    if (ReadSet(text, set)) {
        list.sets.push_back(set);
    } else {
        list.skipped.push_back("„" + std::string(text) +
                               "” nie jest zestawem sześciu różnych liczb od 1 do 49");
    }
    return list;
}

SetList SetsOfFile(const std::filesystem::path& file) {
    SetList list;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        list.skipped.push_back("brak pliku " + file.string());
        return list;
    }
    std::size_t lineNumber = 0;
    for (const std::string& line : ReadAllLines(file)) {
        ++lineNumber;
        NumberSet set{};
        if (ReadSet(line, set)) {
            list.sets.push_back(set);
        } else if (!line.empty()) {
            list.skipped.push_back("wiersz " + std::to_string(lineNumber) + " („" +
                                   Cp1250ToUtf8(line) + "”) pominięty: to nie zestaw");
        }
    }
    return list;
}

}  // namespace kulko
