#include "wheels/split.hpp"

#include <algorithm>
#include <bit>
#include <limits>

namespace kulko {
namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

struct Choice {
    std::size_t tickets = kNone;
    int partV = 0;
    int partM = 0;
};

}  // namespace

// Parts are chosen by their numbers and their m, as in a knapsack: best[u][b]
// is the fewest tickets for u numbers whose parts use b of the allowance
// m - 1 (each part m_i - 1, a part without tickets as many as its numbers).
std::optional<SplitPlan> BestSplit(int v, Guarantee guarantee, const KnownSize& known) {
    if (guarantee.Full() || v <= kTicketSize) {
        return std::nullopt;
    }
    const int allowance = guarantee.m - 1;
    const auto index = [&](int u, int b) {
        return static_cast<std::size_t>(u) * static_cast<std::size_t>(allowance + 1) +
               static_cast<std::size_t>(b);
    };
    std::vector<Choice> best(static_cast<std::size_t>(v + 1) *
                             static_cast<std::size_t>(allowance + 1));
    best[index(0, 0)].tickets = 0;
    for (int u = 1; u <= v; ++u) {
        for (int b = 0; b <= allowance; ++b) {
            Choice& here = best[index(u, b)];
            for (int partV = 1; partV <= u; ++partV) {
                // A part that holds fewer numbers than its m: no tickets.
                if (partV <= b && best[index(u - partV, b - partV)].tickets != kNone) {
                    const std::size_t total = best[index(u - partV, b - partV)].tickets;
                    if (total < here.tickets) {
                        here = {total, partV, partV + 1};
                    }
                }
                for (int partM = guarantee.t; partM <= std::min(partV, b + 1); ++partM) {
                    if (partV == v && partM == guarantee.m) {
                        continue;  // the cell itself is no split
                    }
                    const std::size_t before = best[index(u - partV, b - (partM - 1))].tickets;
                    if (before == kNone) {
                        continue;
                    }
                    const std::optional<std::size_t> size =
                        partV <= kTicketSize ? std::optional<std::size_t>(1)
                                             : known(partV, {guarantee.t, partM});
                    if (size && before + *size < here.tickets) {
                        here = {before + *size, partV, partM};
                    }
                }
            }
        }
    }
    std::size_t fewest = kNone;
    int used = 0;
    for (int b = 0; b <= allowance; ++b) {
        if (best[index(v, b)].tickets < fewest) {
            fewest = best[index(v, b)].tickets;
            used = b;
        }
    }
    if (fewest == kNone) {
        return std::nullopt;
    }
    SplitPlan plan;
    plan.tickets = fewest;
    for (int u = v, b = used; u > 0;) {
        const Choice& c = best[index(u, b)];
        const bool free = c.partM > c.partV;
        const std::size_t rest =
            best[index(u - c.partV, free ? b - c.partV : b - (c.partM - 1))].tickets;
        plan.parts.push_back({0, c.partV, {guarantee.t, c.partM}, c.tickets - rest});
        b -= free ? c.partV : c.partM - 1;
        u -= c.partV;
    }
    // The parts with tickets first, then those without.
    std::stable_partition(plan.parts.begin(), plan.parts.end(),
                          [](const SplitPart& part) { return part.NeedsTickets(); });
    int first = 0;
    for (SplitPart& part : plan.parts) {
        part.first = first;
        first += part.v;
    }
    return plan;
}

Tickets SplitTickets(const SplitPlan& plan, int v,
                     const std::function<Tickets(const SplitPart&)>& partSystem) {
    const NumberBits all = v >= 64 ? ~NumberBits{0} : (NumberBits{1} << v) - 1;
    Tickets tickets;
    for (const SplitPart& part : plan.parts) {
        if (!part.NeedsTickets()) {
            continue;
        }
        if (part.v <= kTicketSize) {
            // The part's numbers, filled up with the lowest of the others.
            NumberBits ticket = ((NumberBits{1} << part.v) - 1) << part.first;
            while (CountBits(ticket) < kTicketSize) {
                ticket |= NumberBits{1} << std::countr_zero(all & ~ticket);
            }
            tickets.push_back(ticket);
            continue;
        }
        for (const NumberBits ticket : partSystem(part)) {
            tickets.push_back(ticket << part.first);
        }
    }
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    return tickets;
}

}  // namespace kulko
