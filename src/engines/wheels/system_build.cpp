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

bool SearchTooSlow(int v, Guarantee g) {
    return TargetsPerTicket(v, g) * SystemLowerBound(v, g).tickets > kWorkForSplit;
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
    const SystemCatalog catalog(table);
    SystemCatalog::Known start = catalog.Find(v_, guarantee);
    split_ = BestSplit(v_, guarantee, [&](int v, Guarantee g) { return catalog.Size(v, g); });
    const auto partSystem = [&](const SplitPart& part) {
        return catalog.Find(part.v, part.guarantee).tickets;
    };
    if (split_ && (start.tickets.empty() || split_->tickets < start.tickets.size())) {
        start = {SplitTickets(*split_, v_, partSystem), SystemOrigin::kSplit, ""};
    } else {
        split_.reset();
    }
    startOrigin_ = start.origin;
    startSize_ = start.tickets.size();
    if (!split_ || !SearchTooSlow(v_, guarantee)) {
        parts_.push_back(
            {0, std::make_unique<WheelSearch>(v_, guarantee, seed, std::move(start.tickets))});
        return;
    }
    // Each part searched on its own, from its known system.
    for (const SplitPart& part : split_->parts) {
        if (!part.NeedsTickets()) {
            continue;
        }
        if (part.v <= kTicketSize) {
            const Tickets one = SplitTickets({{part}, 1}, v_, partSystem);
            parts_.push_back({part.first, nullptr, one.front()});
            continue;
        }
        parts_.push_back(
            {part.first, std::make_unique<WheelSearch>(
                             part.v, part.guarantee, seed + static_cast<std::uint32_t>(part.first),
                             partSystem(part))});
    }
}

void SystemBuild::Run(const std::function<bool()>& stop) {
    bool stopped = false;
    while (!stopped && !Finished()) {
        for (Part& part : parts_) {
            if (!part.search) {
                continue;
            }
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
        size += part.search ? part.search->Best().size() : 1;
    }
    return size;
}

bool SystemBuild::HasSystem() const {
    return std::all_of(parts_.begin(), parts_.end(), [](const Part& part) {
        return !part.search || !part.search->Best().empty();
    });
}

double SystemBuild::StartShare() const {
    double share = 0;
    for (const Part& part : parts_) {
        share += part.search && part.search->Best().empty() ? part.search->CoveredShare() : 1.0;
    }
    return parts_.empty() ? 1.0 : share / static_cast<double>(parts_.size());
}

bool SystemBuild::Finished() const {
    return std::all_of(parts_.begin(), parts_.end(),
                       [](const Part& part) { return !part.search || part.search->Finished(); });
}

bool SystemBuild::TooLarge() const {
    return std::any_of(parts_.begin(), parts_.end(),
                       [](const Part& part) { return part.search && part.search->TooLarge(); });
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
        if (!part.search) {
            tickets.push_back(part.fixed);
            continue;
        }
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
    built.origin =
        startSize_ != 0 && positions.size() == startSize_ ? startOrigin_ : SystemOrigin::kSearch;
    built.fromTable = built.origin == SystemOrigin::kTable;
    built.record = FindKnownRecord(v_, guarantee_);
    built.optimal = positions.size() <= built.bound.tickets ||
                    (built.record && positions.size() <= built.record->lowerBound);
    built.hits = CountBestHits(positions, v_);
    built.keepsGuarantee = KeepsGuarantee(positions, v_, guarantee_, built.hits);
    built.odds = OddsOfOneDraw(built.hits, v_, positions.size());
    built.tickets = PositionsToNumbers(positions, numbers_);
    SortTickets(built.tickets);
    return built;
}

}  // namespace kulko
