#include "wheels/constructions/orbit_search.hpp"

#include <algorithm>
#include <bit>
#include <cmath>

#include "game/subset_rank.hpp"
#include "wheels/constructions/target_counts.hpp"
#include "wheels/hot_loop.hpp"
#include "wheels/subsets.hpp"

namespace kulko {
namespace {

// The temperature, in targets per element of the group: a change usually
// moves whole orbits of targets, as many as the group has elements.
constexpr double kWarm = 0.6;
constexpr double kCold = 0.02;
// Unless told otherwise, a short cycle, which suits a few orbits of a large
// group.
constexpr std::uint64_t kCycleSteps = 6800;

constexpr std::uint32_t kNone = 0xffffffffu;

// The images that meet the target in exactly `shared` numbers: how many,
// and the place of the n-th. Large systems have thousands of images, and
// a plain pass with the processor's bit count beats any index of them
// that has to follow every change of a base ticket through all its images.
KULKO_COUNTS_BITS std::uint32_t CountNear(const Tickets& images, NumberBits target, int shared) {
    std::uint32_t count = 0;
    for (const NumberBits image : images) {
        count += CountBits(image & target) == shared;
    }
    return count;
}

KULKO_COUNTS_BITS std::size_t NthNear(const Tickets& images, NumberBits target, int shared,
                                      std::uint32_t n) {
    std::size_t i = 0;
    for (;; ++i) {
        if (CountBits(images[i] & target) == shared && n-- == 0) {
            return i;
        }
    }
}

}  // namespace

OrbitSearch::OrbitSearch(const NumberGroup& group, Guarantee guarantee, int baseCount,
                         std::uint64_t seed, int blockSize)
    : group_(group), guarantee_(guarantee), random_(seed) {
    SetCooling(kWarm, kCold, kCycleSteps);
    SortTargetsIntoOrbits();
    const NumberBits all = AllPositions(group.V());
    for (int i = 0; i < baseCount; ++i) {
        NumberBits base = 0;
        while (CountBits(base) < blockSize) {
            base |= Bit(MemberOf(all & ~base));
        }
        bases_.push_back(base);
    }
    images_.resize(bases_.size() * group_.Order());
    for (std::size_t b = 0; b < bases_.size(); ++b) {
        SetBase(b, bases_[b]);
        AddBase(b);
    }
}

void OrbitSearch::SortTargetsIntoOrbits() {
    orbitOf_.assign(Binomial(group_.V(), guarantee_.m), kNone);
    for (std::uint32_t rank = 0; rank < orbitOf_.size(); ++rank) {
        if (orbitOf_[rank] != kNone) {
            continue;
        }
        const auto orbit = static_cast<std::uint32_t>(orbitTarget_.size());
        const NumberBits target = MaskOfRank(rank, guarantee_.m);
        std::uint32_t size = 0;
        for (std::size_t e = 0; e < group_.Order(); ++e) {
            std::uint32_t& image = orbitOf_[MaskRank(group_.Image(e, target))];
            size += image == kNone;
            image = orbit;
        }
        place_.push_back(static_cast<std::uint32_t>(uncovered_.size()));
        uncovered_.push_back(orbit);
        orbitTarget_.push_back(target);
        orbitSize_.push_back(size);
        orbitCount_.push_back(0);
        uncoveredTargets_ += size;
    }
}

std::uint32_t OrbitSearch::Below(std::uint32_t n) {
    return static_cast<std::uint32_t>(((random_() >> 32) * n) >> 32);
}

int OrbitSearch::MemberOf(NumberBits set) {
    for (std::uint32_t skip = Below(static_cast<std::uint32_t>(CountBits(set))); skip > 0; --skip) {
        set &= set - 1;
    }
    return std::countr_zero(set);
}

void OrbitSearch::SetBase(std::size_t b, NumberBits base) {
    bases_[b] = base;
    for (std::size_t e = 0; e < group_.Order(); ++e) {
        images_[b * group_.Order() + e] = group_.Image(e, base);
    }
}

void OrbitSearch::AddBase(std::size_t b) {
    ForEachTargetRank(bases_[b], group_.V(), guarantee_, [&](std::uint32_t rank) {
        const std::uint32_t orbit = orbitOf_[rank];
        if (orbitCount_[orbit]++ == 0) {
            // The last listed orbit takes the freed place.
            const std::uint32_t last = uncovered_.back();
            uncovered_[place_[orbit]] = last;
            place_[last] = place_[orbit];
            place_[orbit] = kNone;
            uncovered_.pop_back();
            uncoveredTargets_ -= orbitSize_[orbit];
        }
    });
}

void OrbitSearch::RemoveBase(std::size_t b) {
    ForEachTargetRank(bases_[b], group_.V(), guarantee_, [&](std::uint32_t rank) {
        const std::uint32_t orbit = orbitOf_[rank];
        if (--orbitCount_[orbit] == 0) {
            place_[orbit] = static_cast<std::uint32_t>(uncovered_.size());
            uncovered_.push_back(orbit);
            uncoveredTargets_ += orbitSize_[orbit];
        }
    });
}

bool OrbitSearch::Run(std::uint64_t steps) {
    for (std::uint64_t s = 0; s < steps && !Covered(); ++s) {
        Step();
    }
    return Covered();
}

void OrbitSearch::Step() {
    const NumberBits target =
        orbitTarget_[uncovered_[Below(static_cast<std::uint32_t>(uncovered_.size()))]];
    // The image that shares t - 1 numbers with the target, one of all such
    // at random; any image when none is that close.
    const std::size_t order = group_.Order();
    const std::uint32_t near = CountNear(images_, target, guarantee_.t - 1);
    const std::size_t pick = near > 0 ? NthNear(images_, target, guarantee_.t - 1, Below(near))
                                      : Below(static_cast<std::uint32_t>(images_.size()));
    const std::size_t b = pick / order;
    const std::size_t element = pick % order;
    const NumberBits old = bases_[b];
    const NumberBits image = images_[pick];
    const int out = group_.PreimageOf(element, MemberOf(image & ~target));
    const int in = group_.PreimageOf(element, MemberOf(target & ~image));

    const auto before = static_cast<double>(uncoveredTargets_);
    RemoveBase(b);
    SetBase(b, (old & ~Bit(out)) | Bit(in));
    AddBase(b);
    const double delta = static_cast<double>(uncoveredTargets_) - before;
    const double scale = temperature_ * static_cast<double>(order);
    const bool taken =
        delta <= 0 || static_cast<double>(random_() >> 11) * 0x1.0p-53 < std::exp(-delta / scale);
    if (!taken) {
        RemoveBase(b);
        SetBase(b, old);
        AddBase(b);
    }
    temperature_ *= cooling_;
    if (temperature_ < cold_) {
        temperature_ = warm_;
    }
}

void OrbitSearch::SetCooling(double warm, double cold, std::uint64_t steps) {
    warm_ = warm;
    cold_ = cold;
    temperature_ = warm;
    cooling_ =
        std::exp(std::log(cold / warm) / static_cast<double>(std::max<std::uint64_t>(steps, 1)));
}

void OrbitSearch::DropWeakestBase() {
    std::size_t weakest = 0;
    std::uint64_t leastLoss = 0;
    for (std::size_t b = 0; b < bases_.size(); ++b) {
        const std::uint64_t before = uncoveredTargets_;
        RemoveBase(b);
        const std::uint64_t loss = uncoveredTargets_ - before;
        AddBase(b);
        if (b == 0 || loss < leastLoss) {
            weakest = b;
            leastLoss = loss;
        }
    }
    RemoveBase(weakest);
    const std::size_t last = bases_.size() - 1;
    if (weakest != last) {
        SetBase(weakest, bases_[last]);
    }
    bases_.pop_back();
    images_.resize(bases_.size() * group_.Order());
    temperature_ = warm_;
}

}  // namespace kulko
