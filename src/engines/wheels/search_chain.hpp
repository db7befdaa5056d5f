#pragma once

#include <cstddef>
#include <cstdint>

#include "wheels/cover_state.hpp"
#include "wheels/guarantee.hpp"
#include "wheels/near_tickets.hpp"
#include "wheels/search_random.hpp"
#include "wheels/targets.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// The most tickets a system may have: more could not be played, printed or
// kept, and would not fit the memory the search may take.
inline constexpr std::size_t kMaxTickets = 100000;

// How a chain cools: from the warm to the cold temperature over a cycle of
// so many steps per ticket, then warm again.
struct CoolingSchedule {
    double warm;
    double cold;
    std::uint64_t cycleStepsPerTicket;
};

// One chain of the search for a small system: simulated annealing over
// systems of a fixed number of tickets, whose cost is the number of targets
// no ticket meets in t positions. A change takes an uncovered target, a
// ticket that meets it in t - 1 positions, and swaps one of the ticket's
// other positions for one of the target's, so that the target becomes
// covered; the change in cost comes from the per-target cover counts of
// the targets the swap touches. Once every target is covered the system is
// kept, the ticket whose loss uncovers least is taken away, and the
// annealing goes on with one ticket fewer.
//
// The chain is a fixed sequence of steps for its seed.
class SearchChain {
  public:
    // schedule: which of the cooling schedules the chain follows (0 or 1).
    SearchChain(int v, Guarantee guarantee, Game game, std::uint64_t seed, int schedule = 0);

    // Starts from the known system where it keeps the guarantee, otherwise
    // from a greedy cover built one ticket at a time.
    void Begin(const Tickets& known);
    // Works on for about `work` targets looked at, less when it finishes.
    void Run(std::uint64_t work);
    // Goes on from a system of fewer tickets found elsewhere (it must keep
    // the guarantee).
    void Adopt(const Tickets& system);

    const Tickets& Best() const { return best_; }
    bool Finished() const { return finished_; }
    bool TooLarge() const { return tooLarge_; }
    double CoveredShare() const;
    std::uint64_t Steps() const { return steps_; }
    std::uint64_t LowerBoundSize() const { return bound_; }
    // The number of uncovered targets now: the cost the annealing lowers.
    std::uint32_t Cost() const { return cover_.UncoveredCount(); }

  private:
    void Reset();
    std::uint64_t GreedyStep();
    NumberBits GreedyBlock(NumberBits target);
    void BeginAnnealing();
    void RecordBest();
    void DropWeakestBlock();
    void SetCycle();
    std::uint64_t Step();
    void AddBlock(NumberBits block);

    int v_;
    Guarantee guarantee_;
    Game game_;
    std::uint64_t bound_;
    SearchRandom random_;
    CoolingSchedule schedule_;
    CoverState cover_;
    NearTickets near_;
    Tickets blocks_;
    Tickets best_;
    std::uint64_t stepWork_;
    double scale_;
    double temperature_ = 0;
    double cooling_ = 1;
    int greedyCandidates_ = 1;
    std::uint32_t greedyNext_ = 0;
    bool annealing_ = false;
    bool finished_ = false;
    bool tooLarge_ = false;
    std::uint64_t steps_ = 0;
};

}  // namespace kulko
