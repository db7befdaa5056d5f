#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// The shipped table of the best systems a long search found, a text file:
// for each system a heading "v TzM count" (numbers, guarantee, tickets),
// then one ticket a line over the numbers 1 to v ("1;2;3;4;5;6"), so that
// a system reads as it is played on the numbers 1 to v. Lines starting
// with "#" are notes; empty lines are skipped.
class WheelTable {
  public:
    // Reads the table from its text. What follows the first damaged entry is
    // left out and the damage described in `error` (in Polish).
    static WheelTable Parse(std::string_view text, std::string& error);
    // Reads the table file; throws InOutError when it cannot be read.
    static WheelTable Load(const std::filesystem::path& path, std::string& error);

    // The system kept for v numbers and the guarantee, over the positions
    // 0 to v - 1; nullptr when the table has none.
    const Tickets* Find(int v, Guarantee guarantee) const;
    void Put(int v, Guarantee guarantee, Tickets tickets);
    bool Empty() const { return systems_.empty(); }

    struct Entry {
        int v;
        Guarantee guarantee;
        const Tickets* tickets;
    };
    std::vector<Entry> Entries() const;

    // The table as text, with the notes in front, lines ended by LF.
    std::string Text(const std::vector<std::string>& notes) const;

    // Numbers, then t and m.
    using Key = std::pair<int, std::pair<int, int>>;

  private:
    std::map<Key, Tickets> systems_;
};

}  // namespace kulko
