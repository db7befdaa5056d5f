#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "wheels/guarantee.hpp"
#include "wheels/search_chain.hpp"
#include "wheels/targets.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// How a search is set up beyond its numbers and guarantee.
struct SearchSetup {
    Game game;
    // Chains of annealing that run side by side, one per core: each has a
    // seed of its own, they follow the cooling schedules in turn, and after
    // every slice of work a chain that is behind takes over the smaller
    // system of the other.
    int chains = 2;
};

// The search for a small system of tickets over v positions that keeps the
// guarantee: a greedy start, then annealing one ticket fewer at a time
// (see SearchChain), in two chains on two cores.
//
// The search is a fixed sequence of steps for a given seed: the chains
// meet after every slice of work (about a millisecond), so stopped after the
// same number of slices it gives the same system, on any number of cores.
// It may be stopped and run on at any time; the best system found is kept
// meanwhile.
class WheelSearch {
  public:
    // known: a system already known for these v positions and this
    // guarantee (from the shipped table); the search then starts from it and
    // looks for a smaller one. Empty: the search starts from nothing.
    WheelSearch(int v, Guarantee guarantee, std::uint32_t seed, Tickets known = {},
                SearchSetup setup = {});
    ~WheelSearch();

    // Searches until the best system reaches the lower bound (nothing
    // smaller can exist) or stop() returns true; stop is asked after every
    // slice of work, also while the first system is being built.
    void Run(const std::function<bool()>& stop);

    // Before the first system is found: the share of the targets covered.
    double CoveredShare() const;
    // The smallest system found so far over the positions 0 to v - 1, in no
    // particular order; empty before the first run has found one.
    const Tickets& Best() const;
    // True when no smaller system can exist or the search cannot go on:
    // the best system is at the lower bound, or the system would need more
    // than kMaxTickets tickets.
    bool Finished() const;
    // True when the greedy start went past kMaxTickets tickets.
    bool TooLarge() const;
    std::uint64_t LowerBoundSize() const { return chains_.front()->LowerBoundSize(); }
    // Steps taken by all chains, for tests of repeatability.
    std::uint64_t Steps() const;

  private:
    void RunSlices(const std::function<bool()>& stop);
    void Share();

    Tickets known_;
    std::vector<std::unique_ptr<SearchChain>> chains_;
    bool started_ = false;
};

}  // namespace kulko
