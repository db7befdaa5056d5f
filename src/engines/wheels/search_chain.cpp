#include "wheels/search_chain.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "wheels/lower_bound.hpp"

namespace kulko {
namespace {

// The annealing's temperature: a change that uncovers d more targets than
// it covers is taken with the chance exp(-d / T). It cools geometrically
// from the warm to the cold value over one cycle, then warms up again and
// cools anew from where the system is, so that a chain stuck in one corner
// gets out of it. A cycle is as long as it takes to try each ticket a
// number of times, within limits. Where a swap touches many targets (m
// above t) the changes in cost are larger and so is the temperature, by
// the cube root of the targets a swap touches for each shared (t-1)-set,
// up to three times (hotter, a search of a few seconds gets nowhere).
//
// Two schedules: short cool cycles bring a large system down fast; long
// warmer ones find the last few tickets of the smaller systems. The chains
// of a search take them in turn.
constexpr CoolingSchedule kSchedules[] = {{0.3, 0.1, 3000}, {0.45, 0.15, 10000}};
constexpr double kMostScale = 3;
constexpr std::uint64_t kShortestCycle = 10000;
constexpr std::uint64_t kLongestCycle = 200000000;
// Where a step looks at many targets, a cycle ends after about this many
// targets looked at (a second or so) even if it is short in steps.
constexpr std::uint64_t kMostCycleWork = 400000000;

// Candidates weighed for each ticket of the greedy start: more where
// tickets touch few targets and few tickets are needed, within about this
// many targets looked at in all.
constexpr std::uint64_t kGreedyWork = 20000000;
constexpr int kMostGreedyCandidates = 32;
// Targets looked at to choose the ticket to take away.
constexpr std::uint64_t kWorkPerDrop = 4000000;

}  // namespace

SearchChain::SearchChain(int v, Guarantee guarantee, Game game, std::uint64_t seed, int schedule)
    : v_(v),
      guarantee_(guarantee),
      game_(game),
      bound_(SystemLowerBound(v, guarantee, game).tickets),
      random_(seed),
      schedule_(kSchedules[static_cast<std::size_t>(schedule) % std::size(kSchedules)]),
      cover_(v, guarantee),
      near_(v, guarantee.t - 1),
      // A step looks at the target's (t-1)-sets and at the targets the swap
      // uncovers and covers.
      stepWork_(Choose(guarantee.m, guarantee.t - 1) +
                2ull * Choose(game.ticketSize - 1, guarantee.t - 1) *
                    Choose(v - game.ticketSize - 1, guarantee.m - guarantee.t)),
      scale_(std::clamp(std::cbrt(static_cast<double>(
                            Choose(v - game.ticketSize - 1, guarantee.m - guarantee.t))),
                        1.0, kMostScale)) {}

void SearchChain::AddBlock(NumberBits block) {
    cover_.Add(block);
    near_.Add(block, static_cast<std::uint32_t>(blocks_.size()));
    blocks_.push_back(block);
}

void SearchChain::Reset() {
    cover_ = CoverState(v_, guarantee_);
    near_ = NearTickets(v_, guarantee_.t - 1);
    blocks_.clear();
    annealing_ = false;
    greedyNext_ = 0;
}

void SearchChain::Begin(const Tickets& known) {
    for (const NumberBits block : known) {
        AddBlock(block);
    }
    if (!known.empty() && cover_.UncoveredCount() == 0) {
        BeginAnnealing();
        return;
    }
    // A known system that does not keep the guarantee is no start.
    Reset();
    // About four times the fewest tickets a system can have is what the
    // greedy start gives where many targets have to be covered.
    const std::uint64_t work = TargetsPerTicket(v_, guarantee_, game_.ticketSize) * bound_ * 4;
    greedyCandidates_ =
        static_cast<int>(std::clamp<std::uint64_t>(kGreedyWork / work, 1, kMostGreedyCandidates));
}

void SearchChain::Adopt(const Tickets& system) {
    Reset();
    for (const NumberBits block : system) {
        AddBlock(block);
    }
    BeginAnnealing();
}

void SearchChain::Run(std::uint64_t work) {
    for (std::uint64_t done = 0; !finished_ && done < work;) {
        done += annealing_ ? Step() : GreedyStep();
    }
}

double SearchChain::CoveredShare() const {
    return 1.0 - static_cast<double>(cover_.UncoveredCount()) / cover_.TargetCount();
}

// The greedy start covers the uncovered target of lowest rank with a new
// ticket, one ticket per step, until every target is covered.
std::uint64_t SearchChain::GreedyStep() {
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
    AddBlock(GreedyBlock(MaskOfRank(greedyNext_, guarantee_.m)));
    return TargetsPerTicket(v_, guarantee_, game_.ticketSize) *
           static_cast<std::uint64_t>(greedyCandidates_ + 1);
}

// A ticket that covers the target: t of its numbers and the rest others,
// the best of a few drawn at random.
NumberBits SearchChain::GreedyBlock(NumberBits target) {
    NumberBits best = 0;
    std::uint32_t bestGain = 0;
    for (int i = 0; i < greedyCandidates_; ++i) {
        NumberBits block = 0;
        for (NumberBits pool = target; CountBits(block) < guarantee_.t;) {
            block |= Bit(random_.MemberOf(pool & ~block));
        }
        for (NumberBits pool = AllPositions(v_); CountBits(block) < game_.ticketSize;) {
            block |= Bit(random_.MemberOf(pool & ~block));
        }
        if (greedyCandidates_ == 1) {
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

void SearchChain::BeginAnnealing() {
    annealing_ = true;
    cover_.ListUncovered();
    temperature_ = schedule_.warm;
    RecordBest();
}

// Called whenever every target is covered: keeps the system (without
// repeated tickets), then takes away the ticket whose loss uncovers least.
void SearchChain::RecordBest() {
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
    SetCycle();
}

void SearchChain::DropWeakestBlock() {
    // Weighing every ticket costs as much as a greedy start; where tickets
    // meet many targets, a few drawn at random are weighed.
    const std::uint64_t weighed = std::clamp<std::uint64_t>(
        kWorkPerDrop / TargetsPerTicket(v_, guarantee_, game_.ticketSize), 1, blocks_.size());
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
    const auto last = static_cast<std::uint32_t>(blocks_.size() - 1);
    cover_.Remove(blocks_[weakest]);
    near_.Remove(blocks_[weakest], static_cast<std::uint32_t>(weakest));
    if (weakest != last) {
        near_.Move(blocks_[last], last, static_cast<std::uint32_t>(weakest));
        blocks_[weakest] = blocks_[last];
    }
    blocks_.pop_back();
}

// The cooling for the present number of tickets: from warm to cold over
// one cycle.
void SearchChain::SetCycle() {
    const std::uint64_t steps = std::clamp<std::uint64_t>(
        std::min(schedule_.cycleStepsPerTicket * blocks_.size(), kMostCycleWork / stepWork_),
        kShortestCycle, kLongestCycle);
    cooling_ = std::exp(std::log(schedule_.cold / schedule_.warm) / static_cast<double>(steps));
}

std::uint64_t SearchChain::Step() {
    ++steps_;
    if (cover_.UncoveredCount() == 0) {
        RecordBest();
        return kWorkPerDrop;
    }
    const NumberBits target =
        MaskOfRank(cover_.UncoveredAt(random_.Below(cover_.UncoveredCount())), guarantee_.m);
    std::uint32_t pick = near_.Pick(target, random_);
    if (pick == NearTickets::kNone) {
        pick = random_.Below(static_cast<std::uint32_t>(blocks_.size()));
    }
    const NumberBits block = blocks_[pick];
    const int out = random_.MemberOf(block & ~target);
    const int in = random_.MemberOf(target & ~block);
    const std::int32_t delta = cover_.SwapDelta(block, out, in);
    if (delta <= 0 || random_.Unit() < std::exp(-delta / (temperature_ * scale_))) {
        cover_.Swap(block, out, in);
        near_.Swap(block, pick, out, in);
        blocks_[pick] = (block & ~Bit(out)) | Bit(in);
    }
    temperature_ *= cooling_;
    if (temperature_ < schedule_.cold) {
        temperature_ = schedule_.warm;
    }
    return stepWork_;
}

}  // namespace kulko
