#include "wheels/constructions/orbit_search.hpp"

#include <bit>
#include <cmath>

namespace kulko {
namespace {

// The temperature, in targets per element of the group: a change usually
// moves whole orbits of targets, as many as the group has elements.
constexpr double kWarm = 0.6;
constexpr double kCold = 0.02;
constexpr double kCooling = 0.9995;

}  // namespace

OrbitSearch::OrbitSearch(const NumberGroup& group, Guarantee guarantee, int baseCount,
                         std::uint64_t seed)
    : group_(group),
      guarantee_(guarantee),
      counts_(group.V(), guarantee),
      random_(seed),
      temperature_(kWarm) {
    const NumberBits all = (NumberBits{1} << group.V()) - 1;
    for (int i = 0; i < baseCount; ++i) {
        NumberBits base = 0;
        while (CountBits(base) < kTicketSize) {
            base |= Bit(MemberOf(all & ~base));
        }
        bases_.push_back(base);
        AddOrbit(base);
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

// Every image is counted, also the repeated ones of a short orbit, so that
// taking the orbit away again undoes exactly what adding it did.
void OrbitSearch::AddOrbit(NumberBits base) {
    for (std::size_t e = 0; e < group_.Order(); ++e) {
        counts_.Add(group_.Image(e, base));
    }
}

void OrbitSearch::RemoveOrbit(NumberBits base) {
    for (std::size_t e = 0; e < group_.Order(); ++e) {
        counts_.Remove(group_.Image(e, base));
    }
}

bool OrbitSearch::Run(std::uint64_t steps) {
    for (std::uint64_t s = 0; s < steps && !Covered(); ++s) {
        Step();
    }
    return Covered();
}

void OrbitSearch::Step() {
    const NumberBits target =
        counts_.UncoveredAt(Below(static_cast<std::uint32_t>(counts_.UncoveredCount())));
    // The image that shares t - 1 numbers with the target, one of all such
    // at random; any image when none is that close.
    std::size_t pickBase = bases_.size();
    std::size_t pickElement = 0;
    std::uint32_t seen = 0;
    for (std::size_t b = 0; b < bases_.size(); ++b) {
        for (std::size_t e = 0; e < group_.Order(); ++e) {
            if (CountBits(group_.Image(e, bases_[b]) & target) == guarantee_.t - 1 &&
                Below(++seen) == 0) {
                pickBase = b;
                pickElement = e;
            }
        }
    }
    if (pickBase == bases_.size()) {
        pickBase = Below(static_cast<std::uint32_t>(bases_.size()));
        pickElement = Below(static_cast<std::uint32_t>(group_.Order()));
    }
    const NumberBits old = bases_[pickBase];
    const NumberBits image = group_.Image(pickElement, old);
    const int out = group_.PreimageOf(pickElement, MemberOf(image & ~target));
    const int in = group_.PreimageOf(pickElement, MemberOf(target & ~image));
    const NumberBits changed = (old & ~Bit(out)) | Bit(in);

    const auto before = static_cast<double>(counts_.UncoveredCount());
    RemoveOrbit(old);
    AddOrbit(changed);
    const double delta = static_cast<double>(counts_.UncoveredCount()) - before;
    const double scale = temperature_ * static_cast<double>(group_.Order());
    if (delta <= 0 || static_cast<double>(random_() >> 11) * 0x1.0p-53 < std::exp(-delta / scale)) {
        bases_[pickBase] = changed;
    } else {
        RemoveOrbit(changed);
        AddOrbit(old);
    }
    temperature_ *= kCooling;
    if (temperature_ < kCold) {
        temperature_ = kWarm;
    }
}

}  // namespace kulko
