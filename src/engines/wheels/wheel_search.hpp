#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "wheels/cover_state.hpp"
#include "wheels/guarantee.hpp"
#include "wheels/search_random.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// The most tickets a system may have: more could not be played, printed or
// kept, and would not fit the memory the search may take.
inline constexpr std::size_t kMaxTickets = 100000;

// The search for a small system of six-number tickets over v positions that
// keeps the guarantee. A greedy start covers the targets one after the other;
// then simulated annealing tries one ticket fewer at a time: it keeps that
// many tickets and changes one number of one ticket at a time so that an
// uncovered target becomes covered, taking a change that leaves more
// targets uncovered only with a chance that falls as the search cools.
//
// The search is a fixed sequence of steps for a given seed: stopped after
// the same number of steps it gives the same system. It may be stopped and
// run on at any time; the best system found is kept meanwhile.
class WheelSearch {
  public:
    // known: a system already known for these v positions and this
    // guarantee (from the shipped table); the search then starts from it and
    // looks for a smaller one. Empty: the search starts from nothing.
    WheelSearch(int v, Guarantee guarantee, std::uint32_t seed, Tickets known = {});

    // Searches until the best system reaches the lower bound (nothing
    // smaller can exist) or stop() returns true; stop is asked about every
    // millisecond of work, also while the first system is being built.
    void Run(const std::function<bool()>& stop);

    // Before the first system is found: the share of the targets covered.
    double CoveredShare() const;
    // The smallest system found so far over the positions 0 to v - 1, in no
    // particular order; empty before the first run has found one.
    const Tickets& Best() const { return best_; }
    // True when no smaller system can exist or the search cannot go on:
    // the best system is at the lower bound, or the system would need more
    // than kMaxTickets tickets.
    bool Finished() const { return finished_; }
    // True when the greedy start went past kMaxTickets tickets.
    bool TooLarge() const { return tooLarge_; }
    std::uint64_t LowerBoundSize() const { return bound_; }
    // Steps taken, for tests of repeatability.
    std::uint64_t Steps() const { return steps_; }

  private:
    void Start();
    std::uint64_t GreedyStep();
    void BeginAnnealing();
    NumberBits GreedyBlock(NumberBits target, int candidates);
    void RecordBest();
    void DropWeakestBlock();
    // One change of one ticket; returns a measure of the work it took.
    std::uint64_t Step();

    int v_;
    Guarantee guarantee_;
    std::uint64_t bound_;
    SearchRandom random_;
    CoverState cover_;
    Tickets blocks_;
    Tickets best_;
    double temperature_;
    int greedyCandidates_ = 1;
    std::uint32_t greedyNext_ = 0;
    bool started_ = false;
    bool annealing_ = false;
    bool finished_ = false;
    bool tooLarge_ = false;
    std::uint64_t steps_ = 0;
};

}  // namespace kulko
