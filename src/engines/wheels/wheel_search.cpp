#include "wheels/wheel_search.hpp"

#include <algorithm>
#include <bit>
#include <cmath>

#include "game/subset_rank.hpp"
#include "wheels/hot_loop.hpp"
#include "wheels/lower_bound.hpp"
#include "wheels/subsets.hpp"
#include "wheels/targets.hpp"

namespace kulko {
namespace {

// The annealing's temperature: a change that uncovers d more targets than
// it covers is taken with the chance exp(-d / T). It cools from the start
// value to the floor and is then warmed up again, so that a search stuck
// in one corner gets out of it.
constexpr double kWarmTemperature = 0.4;
constexpr double kColdTemperature = 0.05;
constexpr double kCooling = 0.9998;

// About a millisecond of work between two questions whether to stop,
// counted in targets looked at.
constexpr std::uint64_t kWorkBetweenChecks = 200000;

// Candidates weighed for each ticket of the greedy start: more where
// tickets touch few targets and few tickets are needed, within about this
// many targets looked at in all.
constexpr std::uint64_t kGreedyWork = 20000000;
constexpr int kMostGreedyCandidates = 32;
// Targets looked at to choose the ticket to take away.
constexpr std::uint64_t kWorkPerDrop = 4000000;

// A ticket sharing `shared` numbers with the target, picked at random among
// all such; when none is that close, any ticket.
KULKO_COUNTS_BITS std::size_t PickNearTicket(const Tickets& tickets, NumberBits target, int shared,
                                             SearchRandom& random) {
    std::size_t pick = tickets.size();
    std::uint32_t seen = 0;
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        if (CountBits(tickets[i] & target) == shared && random.Below(++seen) == 0) {
            pick = i;
        }
    }
    return pick < tickets.size() ? pick : random.Below(static_cast<std::uint32_t>(tickets.size()));
}

}  // namespace

WheelSearch::WheelSearch(int v, Guarantee guarantee, std::uint32_t seed, Tickets known)
    : v_(v),
      guarantee_(guarantee),
      bound_(SystemLowerBound(v, guarantee).tickets),
      random_(seed),
      cover_(v, guarantee),
      blocks_(std::move(known)),
      temperature_(kWarmTemperature) {}

void WheelSearch::Run(const std::function<bool()>& stop) {
    if (!started_) {
        started_ = true;
        Start();
    }
    std::uint64_t work = 0;
    while (!finished_) {
        work += annealing_ ? Step() : GreedyStep();
        if (work >= kWorkBetweenChecks) {
            work = 0;
            if (stop()) {
                return;
            }
        }
    }
}

double WheelSearch::CoveredShare() const {
    return 1.0 - static_cast<double>(cover_.UncoveredCount()) / cover_.TargetCount();
}

void WheelSearch::Start() {
    for (const NumberBits block : blocks_) {
        cover_.Add(block);
    }
    if (cover_.UncoveredCount() == 0) {
        BeginAnnealing();
        return;
    }
    // A known system that does not keep the guarantee is no start.
    for (const NumberBits block : blocks_) {
        cover_.Remove(block);
    }
    blocks_.clear();
    // About four times the fewest tickets a system can have is what the
    // greedy start gives where many targets have to be covered.
    const std::uint64_t work = TargetsPerTicket(v_, guarantee_) * bound_ * 4;
    greedyCandidates_ =
        static_cast<int>(std::clamp<std::uint64_t>(kGreedyWork / work, 1, kMostGreedyCandidates));
}

// The greedy start covers the uncovered target of lowest rank with a new
// ticket, one ticket per step, until every target is covered.
std::uint64_t WheelSearch::GreedyStep() {
    greedyNext_ = cover_.FirstUncoveredFrom(greedyNext_);
    if (greedyNext_ == cover_.TargetCount()) {
        BeginAnnealing();
        return 0;
    }
    if (blocks_.size() >= kMaxTickets) {
        tooLarge_ = true;
        finished_ = true;
        return 0;
    }
    const NumberBits block = GreedyBlock(MaskOfRank(greedyNext_, guarantee_.m), greedyCandidates_);
    cover_.Add(block);
    blocks_.push_back(block);
    return TargetsPerTicket(v_, guarantee_) * static_cast<std::uint64_t>(greedyCandidates_ + 1);
}

void WheelSearch::BeginAnnealing() {
    annealing_ = true;
    cover_.ListUncovered();
    RecordBest();
}

// A ticket that covers the target: t of its numbers and six - t others, the
// best of a few drawn at random.
NumberBits WheelSearch::GreedyBlock(NumberBits target, int candidates) {
    NumberBits best = 0;
    std::uint32_t bestGain = 0;
    for (int i = 0; i < candidates; ++i) {
        NumberBits block = 0;
        for (NumberBits pool = target; CountBits(block) < guarantee_.t;) {
            block |= Bit(random_.MemberOf(pool & ~block));
        }
        for (NumberBits pool = AllPositions(v_); CountBits(block) < kTicketSize;) {
            block |= Bit(random_.MemberOf(pool & ~block));
        }
        if (candidates == 1) {
            return block;
        }
        const std::uint32_t gain = cover_.Gain(block);
        if (best == 0 || gain > bestGain) {
            best = block;
            bestGain = gain;
        }
    }
    return best;
}

// Called whenever every target is covered: keeps the system (without
// repeated tickets), then takes away the ticket whose loss uncovers least.
void WheelSearch::RecordBest() {
    Tickets system = blocks_;
    std::sort(system.begin(), system.end());
    system.erase(std::unique(system.begin(), system.end()), system.end());
    if (best_.empty() || system.size() < best_.size()) {
        best_ = std::move(system);
    }
    if (best_.size() <= bound_ || best_.size() <= 1) {
        finished_ = true;
        return;
    }
    DropWeakestBlock();
}

void WheelSearch::DropWeakestBlock() {
    // Weighing every ticket costs as much as a greedy start; where tickets
    // meet many targets, a few drawn at random are weighed.
    const std::uint64_t weighed = std::clamp<std::uint64_t>(
        kWorkPerDrop / TargetsPerTicket(v_, guarantee_), 1, blocks_.size());
    std::size_t weakest = 0;
    std::uint32_t leastLoss = 0;
    for (std::uint64_t k = 0; k < weighed; ++k) {
        const std::size_t i = weighed == blocks_.size()
                                  ? k
                                  : random_.Below(static_cast<std::uint32_t>(blocks_.size()));
        const std::uint32_t loss = cover_.Loss(blocks_[i]);
        if (k == 0 || loss < leastLoss) {
            weakest = i;
            leastLoss = loss;
        }
    }
    cover_.Remove(blocks_[weakest]);
    blocks_[weakest] = blocks_.back();
    blocks_.pop_back();
    temperature_ = kWarmTemperature;
}

std::uint64_t WheelSearch::Step() {
    ++steps_;
    if (cover_.UncoveredCount() == 0) {
        RecordBest();
        return kWorkBetweenChecks;
    }
    const NumberBits target =
        MaskOfRank(cover_.UncoveredAt(random_.Below(cover_.UncoveredCount())), guarantee_.m);
    const std::size_t pick = PickNearTicket(blocks_, target, guarantee_.t - 1, random_);
    const NumberBits block = blocks_[pick];
    const int out = random_.MemberOf(block & ~target);
    const int in = random_.MemberOf(target & ~block);
    const std::int32_t delta = cover_.SwapDelta(block, out, in);
    if (delta <= 0 || random_.Unit() < std::exp(-delta / temperature_)) {
        cover_.Swap(block, out, in);
        blocks_[pick] = (block & ~Bit(out)) | Bit(in);
    }
    temperature_ *= kCooling;
    if (temperature_ < kColdTemperature) {
        temperature_ = kWarmTemperature;
    }
    return blocks_.size() +
           static_cast<std::uint64_t>(Binomial(kTicketSize - 1, guarantee_.t - 1)) *
               Binomial(v_ - kTicketSize - 1, guarantee_.m - guarantee_.t);
}

}  // namespace kulko
