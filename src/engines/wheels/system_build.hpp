#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "wheels/best_hits.hpp"
#include "wheels/draw_odds.hpp"
#include "wheels/guarantee.hpp"
#include "wheels/known_records.hpp"
#include "wheels/lower_bound.hpp"
#include "wheels/split.hpp"
#include "wheels/system_catalog.hpp"
#include "wheels/ticket.hpp"
#include "wheels/wheel_search.hpp"
#include "wheels/wheel_table.hpp"

namespace kulko {

inline constexpr int kFewestChosenNumbers = 7;

// Why no system can be built for these numbers and this guarantee, in
// Polish; empty when one can.
std::string RefusalOf(NumberBits numbers, Guarantee guarantee);

// A system as shown: its tickets over the player's numbers, sorted, with
// the proof of its guarantee and what it brings.
struct BuiltSystem {
    Tickets tickets;
    bool keepsGuarantee = false;                  // checked exhaustively
    bool fromTable = false;                       // the shipped system was smaller than any found
    SystemOrigin origin = SystemOrigin::kSearch;  // where the tickets come from
    LowerBound bound;
    // The smallest size the literature knows for the cell, where known.
    std::optional<KnownRecord> record;
    // No system with fewer tickets can exist: the size is at a lower bound,
    // the program's own or one the literature has proven.
    bool optimal = false;
    BestHits hits;
    DrawOdds odds;
};

// One system being built for the player's numbers: the full system at
// once, any other by the search, which starts from the smallest system
// known without searching and looks for a smaller one. Known are the
// systems of the shipped table and of the constructions (SystemCatalog),
// and the best split of the numbers into parts with such systems (split).
//
// Where many numbers make every change of a ticket touch too many targets
// (3 z 5 and 3 z 6 for some forty numbers or more), the search runs on the
// parts of the best split instead, each part from its known system.
class SystemBuild {
  public:
    // The numbers and guarantee must not be refused (RefusalOf).
    SystemBuild(NumberBits numbers, Guarantee guarantee, std::uint32_t seed,
                const WheelTable* table);

    // Searches on until nothing smaller can exist or stop() returns true;
    // stop is asked about every millisecond, and may look at the progress.
    void Run(const std::function<bool()>& stop);
    std::size_t BestSize() const;
    // Whether a first system is complete; until then, how much of it is.
    bool HasSystem() const;
    double StartShare() const;
    // True when searching longer cannot give a smaller system.
    bool Finished() const;
    // True when the system would need more tickets than the program takes.
    bool TooLarge() const;

    // The best system so far, checked and weighed (up to a second for many
    // numbers); not while Run runs, and only once HasSystem().
    BuiltSystem Result() const;

    NumberBits Numbers() const { return numbers_; }
    // The split the system started from, if it was the best start.
    const std::optional<SplitPlan>& Split() const { return split_; }
    Guarantee Promise() const { return guarantee_; }

  private:
    // A search over some of the positions, in a row from `first`; or, for
    // a part of six numbers or fewer, its one ticket.
    struct Part {
        int first;
        std::unique_ptr<WheelSearch> search;
        NumberBits fixed = 0;
    };
    Tickets BestPositions() const;

    NumberBits numbers_;
    Guarantee guarantee_;
    int v_;
    std::vector<Part> parts_;  // none for the full system
    std::optional<SplitPlan> split_;
    SystemOrigin startOrigin_ = SystemOrigin::kSearch;
    std::size_t startSize_ = 0;
};

}  // namespace kulko
