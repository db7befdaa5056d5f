#include "wheels/system_build.hpp"

#include <algorithm>

#include "text/polish_text.hpp"
#include "wheels/subsets.hpp"
#include "wheels/targets.hpp"
#include "wheels/verify.hpp"

namespace kulko {
namespace {

// Work between two turns of the parts of a split search, in the checks the
// search makes about every millisecond.
constexpr int kChecksPerTurn = 50;

// Above this many targets looked at (one ticket's targets times the
// fewest tickets), a split into halves builds a better system in a few
// seconds than one search over all numbers.
constexpr std::uint64_t kWorkForSplit = 1000000;

bool SplitPays(int v, Guarantee g) {
    // m drawn numbers over two halves put ceil(m / 2) in one of them.
    const bool halvesKeepIt = g.t < g.m && (g.m + 1) / 2 >= g.t;
    return halvesKeepIt && v / 2 > kTicketSize &&
           TargetsPerTicket(v, g) * SystemLowerBound(v, g).tickets > kWorkForSplit;
}

}  // namespace

std::string RefusalOf(NumberBits numbers, Guarantee guarantee) {
    const int v = CountBits(numbers);
    if (v < kFewestChosenNumbers) {
        return "Wybierz co najmniej 7 liczb (wybrano " + std::to_string(v) + ").";
    }
    if (!Fits(guarantee)) {
        return "Gwarancja " + GuaranteeName(guarantee) +
               " nie pasuje: trafienie t z m wymaga 3 ≤ t ≤ m ≤ 6.";
    }
    // Where the tickets run into the tens of thousands, a search finds
    // systems of up to twice the bound.
    const LowerBound bound = SystemLowerBound(v, guarantee);
    const std::uint64_t most = bound.exact ? kMaxTickets : kMaxTickets / 2;
    if (bound.tickets > most) {
        const std::string what =
            guarantee.Full() ? "Pełny system" : "System " + GuaranteeName(guarantee);
        return what + " z " + std::to_string(v) + " liczb wymaga " +
               (bound.exact ? "" : "co najmniej ") + WithThousands(bound.tickets) +
               " zakładów; program rozpisuje systemy, którym wystarczy do " + WithThousands(most) +
               " zakładów.";
    }
    return {};
}

SystemBuild::SystemBuild(NumberBits numbers, Guarantee guarantee, std::uint32_t seed,
                         const WheelTable* table)
    : numbers_(numbers), guarantee_(guarantee), v_(CountBits(numbers)) {
    if (guarantee.Full()) {
        return;
    }
    const auto known = [&](int v, Guarantee g) {
        const Tickets* shipped = table == nullptr ? nullptr : table->Find(v, g);
        return shipped == nullptr ? Tickets{} : *shipped;
    };
    if (!SplitPays(v_, guarantee)) {
        Tickets start = known(v_, guarantee);
        shippedSize_ = start.size();
        parts_.push_back({0, std::make_unique<WheelSearch>(v_, guarantee, seed, std::move(start))});
        return;
    }
    const Guarantee half{guarantee.t, guarantee.t};
    const int lower = v_ / 2;
    for (const auto& [first, size] : {std::pair{0, lower}, std::pair{lower, v_ - lower}}) {
        parts_.push_back(
            {first, std::make_unique<WheelSearch>(size, half, seed + first, known(size, half))});
    }
}

void SystemBuild::Run(const std::function<bool()>& stop) {
    bool stopped = false;
    while (!stopped && !Finished()) {
        for (Part& part : parts_) {
            // The parts take turns, a fixed share of work each, so that the
            // same seed and run length give the same system.
            int turn = 0;
            part.search->Run([&] {
                stopped = stopped || stop();
                return stopped || ++turn == kChecksPerTurn;
            });
            if (stopped) {
                break;
            }
        }
    }
}

std::size_t SystemBuild::BestSize() const {
    if (parts_.empty()) {
        return FullSystemSize(v_);
    }
    std::size_t size = 0;
    for (const Part& part : parts_) {
        size += part.search->Best().size();
    }
    return size;
}

bool SystemBuild::HasSystem() const {
    return std::all_of(parts_.begin(), parts_.end(),
                       [](const Part& part) { return !part.search->Best().empty(); });
}

double SystemBuild::StartShare() const {
    double share = 0;
    for (const Part& part : parts_) {
        share += part.search->Best().empty() ? part.search->CoveredShare() : 1.0;
    }
    return parts_.empty() ? 1.0 : share / static_cast<double>(parts_.size());
}

bool SystemBuild::Finished() const {
    return std::all_of(parts_.begin(), parts_.end(),
                       [](const Part& part) { return part.search->Finished(); });
}

bool SystemBuild::TooLarge() const {
    return std::any_of(parts_.begin(), parts_.end(),
                       [](const Part& part) { return part.search->TooLarge(); });
}

Tickets SystemBuild::BestPositions() const {
    if (parts_.empty()) {
        Tickets tickets;
        tickets.reserve(FullSystemSize(v_));
        ForEachSubset(AllPositions(v_), kTicketSize,
                      [&](NumberBits ticket) { tickets.push_back(ticket); });
        return tickets;
    }
    Tickets tickets;
    for (const Part& part : parts_) {
        for (const NumberBits ticket : part.search->Best()) {
            tickets.push_back(ticket << part.first);
        }
    }
    return tickets;
}

BuiltSystem SystemBuild::Result() const {
    BuiltSystem built;
    const Tickets positions = BestPositions();
    built.bound = SystemLowerBound(v_, guarantee_);
    built.fromTable = shippedSize_ != 0 && positions.size() == shippedSize_;
    built.hits = CountBestHits(positions, v_);
    built.keepsGuarantee = KeepsGuarantee(positions, v_, guarantee_, built.hits);
    built.odds = OddsOfOneDraw(built.hits, v_, positions.size());
    built.tickets = PositionsToNumbers(positions, numbers_);
    SortTickets(built.tickets);
    return built;
}

}  // namespace kulko
