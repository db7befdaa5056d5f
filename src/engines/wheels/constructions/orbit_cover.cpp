#include "wheels/constructions/orbit_cover.hpp"

#include <algorithm>
#include <utility>

namespace kulko {

OrbitCover::OrbitCover(std::vector<Targets> meets, std::vector<std::size_t> sizes, double seconds)
    : meets_(std::move(meets)),
      sizes_(std::move(sizes)),
      metBy_(Targets().size()),
      allowed_(meets_.size(), 1),
      perTarget_(meets_.size()),
      until_(Clock::now() +
             std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds))) {
    for (std::size_t i = 0; i < meets_.size(); ++i) {
        for (std::size_t j = 0; j < metBy_.size(); ++j) {
            if (meets_[i][j]) {
                metBy_[j].push_back(i);
            }
        }
    }
}

void OrbitCover::Solve(const Targets& all) {
    Greedy(all);
    Search(all, 0);
}

void OrbitCover::Greedy(Targets unmet) {
    std::vector<std::size_t> chosen;
    std::size_t size = 0;
    while (unmet.any()) {
        std::size_t pick = 0;
        double most = -1;
        for (std::size_t i = 0; i < meets_.size(); ++i) {
            const double worth =
                static_cast<double>((meets_[i] & unmet).count()) / static_cast<double>(sizes_[i]);
            if (worth > most) {
                most = worth;
                pick = i;
            }
        }
        if (most <= 0) {
            return;  // some target no orbit meets: there is no cover
        }
        chosen.push_back(pick);
        size += sizes_[pick];
        unmet &= ~meets_[pick];
    }
    best_ = chosen;
    bestSize_ = size;
}

double OrbitCover::Bound(const Targets& unmet) const {
    // Each unmet target is charged at least the tickets per target of the
    // thriftiest allowed orbit that meets it: the orbits of any cover can
    // share their tickets out among the targets they meet, no target
    // getting less than that.
    for (std::size_t i = 0; i < meets_.size(); ++i) {
        const std::size_t met = allowed_[i] ? (meets_[i] & unmet).count() : 0;
        perTarget_[i] = met == 0 ? 1e18 : static_cast<double>(sizes_[i]) / static_cast<double>(met);
    }
    double bound = 0;
    for (std::size_t j = 0; j < metBy_.size(); ++j) {
        if (unmet[j]) {
            double least = 1e18;
            for (const std::size_t i : metBy_[j]) {
                least = std::min(least, perTarget_[i]);
            }
            bound += least;
        }
    }
    return bound;
}

void OrbitCover::Search(const Targets& unmet, std::size_t size) {
    if (unmet.none()) {
        if (size < bestSize_) {
            bestSize_ = size;
            best_ = chosen_;
        }
        return;
    }
    if (timedOut_ || (++nodes_ % 1024 == 0 && Clock::now() > until_)) {
        timedOut_ = true;
        return;
    }
    // Sizes are whole tickets: a bound of 10.2 more means 11.
    if (static_cast<double>(size) + Bound(unmet) > static_cast<double>(bestSize_) - 1 + 1e-9) {
        return;
    }
    std::size_t hardest = 0;
    std::size_t fewest = ~std::size_t{0};
    for (std::size_t j = 0; j < metBy_.size(); ++j) {
        if (!unmet[j]) {
            continue;
        }
        const auto count = static_cast<std::size_t>(std::count_if(
            metBy_[j].begin(), metBy_[j].end(), [&](std::size_t i) { return allowed_[i] != 0; }));
        if (count < fewest) {
            fewest = count;
            hardest = j;
        }
    }
    std::vector<std::pair<double, std::size_t>> tries;
    for (const std::size_t i : metBy_[hardest]) {
        if (allowed_[i]) {
            tries.emplace_back(
                -static_cast<double>((meets_[i] & unmet).count()) / static_cast<double>(sizes_[i]),
                i);
        }
    }
    std::sort(tries.begin(), tries.end());
    for (const auto& [worth, i] : tries) {
        if (size + sizes_[i] < bestSize_) {
            chosen_.push_back(i);
            Search(unmet & ~meets_[i], size + sizes_[i]);
            chosen_.pop_back();
        }
        allowed_[i] = 0;
    }
    for (const auto& [worth, i] : tries) {
        allowed_[i] = 1;
    }
}

}  // namespace kulko
