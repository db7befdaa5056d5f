#include "wheels/wheel_search.hpp"

#include <algorithm>
#include <barrier>
#include <thread>

namespace kulko {
namespace {

// About a millisecond of work in one slice of a chain, counted in targets
// looked at.
constexpr std::uint64_t kWorkPerSlice = 200000;

}  // namespace

WheelSearch::WheelSearch(int v, Guarantee guarantee, std::uint32_t seed, Tickets known,
                         SearchSetup setup)
    : known_(std::move(known)) {
    for (int i = 0; i < std::max(1, setup.chains); ++i) {
        // Each chain's seed differs from the others' and from other seeds'.
        const std::uint64_t chainSeed = (std::uint64_t{seed} << 8) | static_cast<unsigned>(i);
        chains_.push_back(std::make_unique<SearchChain>(v, guarantee, setup.game, chainSeed, i));
    }
}

WheelSearch::~WheelSearch() = default;

void WheelSearch::Run(const std::function<bool()>& stop) {
    if (!started_) {
        started_ = true;
        for (const auto& chain : chains_) {
            chain->Begin(known_);
        }
        known_.clear();
        Share();
    }
    if (chains_.size() == 1) {
        while (!Finished()) {
            chains_[0]->Run(kWorkPerSlice);
            if (stop()) {
                return;
            }
        }
        return;
    }
    RunSlices(stop);
}

// The first chain runs here, the others on threads of their own; all meet
// after each slice, share what they found, and ask whether to stop.
void WheelSearch::RunSlices(const std::function<bool()>& stop) {
    std::barrier meet(static_cast<std::ptrdiff_t>(chains_.size()));
    bool quit = false;
    std::vector<std::thread> helpers;
    for (std::size_t i = 1; i < chains_.size(); ++i) {
        helpers.emplace_back([&, i] {
            for (;;) {
                meet.arrive_and_wait();
                if (quit) {
                    return;
                }
                chains_[i]->Run(kWorkPerSlice);
                meet.arrive_and_wait();
            }
        });
    }
    while (!Finished()) {
        meet.arrive_and_wait();
        chains_[0]->Run(kWorkPerSlice);
        meet.arrive_and_wait();
        Share();
        if (stop()) {
            break;
        }
    }
    quit = true;
    meet.arrive_and_wait();
    for (std::thread& helper : helpers) {
        helper.join();
    }
}

// A chain still working on as many tickets as another one's system (or
// still building its first) goes on from that smaller system instead.
void WheelSearch::Share() {
    const SearchChain* leader = nullptr;
    for (const auto& chain : chains_) {
        if (!chain->Best().empty() &&
            (leader == nullptr || chain->Best().size() < leader->Best().size())) {
            leader = chain.get();
        }
    }
    if (leader == nullptr) {
        return;
    }
    for (const auto& chain : chains_) {
        if (chain.get() != leader && !chain->Finished() &&
            (chain->Best().empty() || chain->Best().size() > leader->Best().size())) {
            chain->Adopt(leader->Best());
        }
    }
}

double WheelSearch::CoveredShare() const {
    double share = 0;
    for (const auto& chain : chains_) {
        share = std::max(share, chain->CoveredShare());
    }
    return share;
}

const Tickets& WheelSearch::Best() const {
    const SearchChain* best = chains_.front().get();
    for (const auto& chain : chains_) {
        if (!chain->Best().empty() &&
            (best->Best().empty() || chain->Best().size() < best->Best().size())) {
            best = chain.get();
        }
    }
    return best->Best();
}

bool WheelSearch::Finished() const {
    return std::any_of(chains_.begin(), chains_.end(),
                       [](const auto& chain) { return chain->Finished(); });
}

bool WheelSearch::TooLarge() const {
    return std::any_of(chains_.begin(), chains_.end(),
                       [](const auto& chain) { return chain->TooLarge(); });
}

std::uint64_t WheelSearch::Steps() const {
    std::uint64_t steps = 0;
    for (const auto& chain : chains_) {
        steps += chain->Steps();
    }
    return steps;
}

}  // namespace kulko
