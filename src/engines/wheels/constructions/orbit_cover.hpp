#pragma once

#include <bitset>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kulko {

// The lightest choice of ticket orbits whose union meets every target
// orbit: a greedy choice first, then branch and bound until the time is up.
// A node branches on the unmet target orbit that the fewest allowed ticket
// orbits meet, trying the thriftiest first; each later branch leaves out
// the orbits tried before it, so no choice is looked at twice. A branch is
// cut when the unmet targets, each at the fewest tickets per target that an
// orbit meeting it could give, cost more than the best size leaves.
class OrbitCover {
  public:
    // Up to 1,024 target orbits: enough for the groups of order 48 (Z24
    // with a multiplier) on the 5-sets of 24 numbers.
    using Targets = std::bitset<1024>;

    OrbitCover(std::vector<Targets> meets, std::vector<std::size_t> sizes, double seconds);

    void Solve(const Targets& all);
    // The ticket orbits chosen; none where no choice meets every target.
    const std::vector<std::size_t>& Best() const { return best_; }
    bool Exact() const { return !timedOut_; }

  private:
    using Clock = std::chrono::steady_clock;

    void Greedy(Targets unmet);
    void Search(const Targets& unmet, std::size_t size);
    // The fewest tickets that can still cover the unmet targets.
    double Bound(const Targets& unmet) const;

    std::vector<Targets> meets_;
    std::vector<std::size_t> sizes_;
    // Per target orbit, the ticket orbits that meet it.
    std::vector<std::vector<std::size_t>> metBy_;
    std::vector<char> allowed_;
    // Bound's tickets per target of each orbit, kept to spare an allocation
    // at every node.
    mutable std::vector<double> perTarget_;
    Clock::time_point until_;
    std::vector<std::size_t> chosen_;
    std::vector<std::size_t> best_;
    std::size_t bestSize_ = ~std::size_t{0};
    std::uint64_t nodes_ = 0;
    bool timedOut_ = false;
};

}  // namespace kulko
