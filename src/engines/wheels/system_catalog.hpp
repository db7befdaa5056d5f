#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"
#include "wheels/wheel_table.hpp"

namespace kulko {

// Where a system shown comes from.
enum class SystemOrigin { kSearch, kTable, kConstruction, kSplit };

// The smallest systems the program knows without searching: those of the
// shipped table, those it constructs (constructions/constructed_systems),
// and those it derives from a known system on a few more numbers by
// leaving the highest numbers out (constructions/derived_systems).
class SystemCatalog {
  public:
    // table may be null: constructions alone.
    explicit SystemCatalog(const WheelTable* table) : table_(table) {}

    struct Known {
        Tickets tickets;  // over the positions 0 to v - 1; empty when none is known
        SystemOrigin origin = SystemOrigin::kSearch;
        std::string how;  // the construction, where one
    };

    // The size of the smallest system known for v numbers, or none; at
    // most that of Find's system, without building it.
    std::optional<std::size_t> Size(int v, Guarantee guarantee) const;
    Known Find(int v, Guarantee guarantee) const;

  private:
    struct Source {
        int from = 0;  // the numbers of the system it is derived from
        std::size_t size = 0;
        bool constructed = false;
    };
    std::optional<Source> BestSource(int v, Guarantee guarantee) const;

    const WheelTable* table_;
};

}  // namespace kulko
