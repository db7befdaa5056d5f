#include "wheels/wheel_table.hpp"

#include <charconv>
#include <optional>

#include "files/text_file.hpp"
#include "game/number_set.hpp"
#include "wheels/lower_bound.hpp"
#include "wheels/subsets.hpp"

namespace kulko {
namespace {

WheelTable::Key KeyOf(int v, Guarantee g) {
    return {v, {g.t, g.m}};
}

// Reads the whole numbers of a line separated by `separator`; false when
// anything else is there.
bool ReadNumbers(std::string_view line, char separator, std::vector<long>& numbers) {
    numbers.clear();
    std::size_t pos = 0;
    while (pos <= line.size()) {
        std::size_t end = line.find(separator, pos);
        end = end == std::string_view::npos ? line.size() : end;
        long value = 0;
        const char* first = line.data() + pos;
        const char* last = line.data() + end;
        const auto [stop, error] = std::from_chars(first, last, value);
        if (first == last || error != std::errc() || stop != last) {
            return false;
        }
        numbers.push_back(value);
        pos = end + 1;
    }
    return true;
}

// A ticket line over the numbers 1 to v, as positions. Read without a
// container: the table holds some hundred thousand of them.
bool ReadTicket(std::string_view line, int v, NumberBits& ticket) {
    ticket = 0;
    int count = 0;
    const char* pos = line.data();
    const char* const end = pos + line.size();
    for (;;) {
        int n = 0;
        const auto [stop, error] = std::from_chars(pos, end, n);
        if (stop == pos || error != std::errc() || n < 1 || n > v || ++count > kTicketSize) {
            return false;
        }
        ticket |= Bit(n - 1);
        if (stop == end) {
            break;
        }
        if (*stop != ';') {
            return false;
        }
        pos = stop + 1;
    }
    return count == kTicketSize && CountBits(ticket) == kTicketSize;
}

// A heading "v TzM count" of a system that can exist.
bool ReadHeading(std::string_view line, int& v, Guarantee& g, std::size_t& count) {
    const std::size_t first = line.find(' ');
    const std::size_t second = line.rfind(' ');
    if (first == std::string_view::npos || first == second) {
        return false;
    }
    std::vector<long> numbers;
    const std::optional<Guarantee> guarantee =
        ParseGuarantee(line.substr(first + 1, second - first - 1));
    if (!ReadNumbers(line.substr(0, first), ' ', numbers) || !guarantee || !Fits(*guarantee)) {
        return false;
    }
    const long numbersChosen = numbers[0];
    if (!ReadNumbers(line.substr(second + 1), ' ', numbers)) {
        return false;
    }
    if (numbersChosen <= kTicketSize || numbersChosen > kHighestNumber || numbers[0] < 1 ||
        static_cast<std::uint64_t>(numbers[0]) > FullSystemSize(static_cast<int>(numbersChosen))) {
        return false;
    }
    v = static_cast<int>(numbersChosen);
    g = *guarantee;
    count = static_cast<std::size_t>(numbers[0]);
    return true;
}

}  // namespace

WheelTable WheelTable::Parse(std::string_view text, std::string& error) {
    WheelTable table;
    error.clear();
    TextReader reader = TextReader::FromBytes(std::string(text));
    std::string_view line;
    std::size_t lineNumber = 0;
    const auto damaged = [&](const char* what) {
        error = "wiersz " + std::to_string(lineNumber) + ": " + what;
        return table;
    };
    while (reader.ReadLine(line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        int v = 0;
        Guarantee guarantee;
        std::size_t count = 0;
        if (!ReadHeading(line, v, guarantee, count)) {
            return damaged("nagłówek systemu nieczytelny");
        }
        Tickets tickets;
        while (tickets.size() < count) {
            NumberBits ticket = 0;
            if (!reader.ReadLine(line)) {
                return damaged("system urwany");
            }
            ++lineNumber;
            if (!ReadTicket(line, v, ticket)) {
                return damaged("zakład nieczytelny");
            }
            tickets.push_back(ticket);
        }
        table.Put(v, guarantee, std::move(tickets));
    }
    return table;
}

WheelTable WheelTable::Load(const std::filesystem::path& path, std::string& error) {
    return Parse(ReadWholeFile(path), error);
}

const Tickets* WheelTable::Find(int v, Guarantee guarantee) const {
    const auto it = systems_.find(KeyOf(v, guarantee));
    return it == systems_.end() ? nullptr : &it->second;
}

void WheelTable::Put(int v, Guarantee guarantee, Tickets tickets) {
    systems_[KeyOf(v, guarantee)] = std::move(tickets);
}

std::vector<WheelTable::Entry> WheelTable::Entries() const {
    std::vector<Entry> entries;
    for (const auto& [key, tickets] : systems_) {
        entries.push_back({key.first, Guarantee{key.second.first, key.second.second}, &tickets});
    }
    return entries;
}

std::string WheelTable::Text(const std::vector<std::string>& notes) const {
    std::string text;
    for (const std::string& note : notes) {
        text += "# " + note + "\n";
    }
    for (const Entry& entry : Entries()) {
        Tickets numbers = PositionsToNumbers(*entry.tickets, AllPositions(entry.v) << 1);
        SortTickets(numbers);
        text += std::to_string(entry.v) + " " + GuaranteeKey(entry.guarantee) + " " +
                std::to_string(numbers.size()) + "\n";
        for (const NumberBits ticket : numbers) {
            text += NumberBitsText(ticket) + "\n";
        }
    }
    return text;
}

}  // namespace kulko
