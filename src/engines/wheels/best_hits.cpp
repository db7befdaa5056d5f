#include "wheels/best_hits.hpp"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "game/subset_rank.hpp"
#include "wheels/guarantee.hpp"
#include "wheels/subsets.hpp"

namespace kulko {
namespace {

// Below this many chosen numbers one core is quicker than two.
constexpr int kNumbersForTwoThreads = 24;

// The best ticket shares h numbers with a drawn set X exactly when X holds
// an h-element part of some ticket and no larger one. So every h-element
// part of every ticket is marked, one bit per rank, for h = 1 to 6; and
// since adding one number to X raises its best hit by at most one, only the
// parts one larger than the best so far need looking up.
class Enumeration {
  public:
    Enumeration(const Tickets& tickets, int v, int largest, int ticketSize)
        : v_(v), largest_(largest), ticketSize_(ticketSize) {
        for (int h = 1; h <= ticketSize; ++h) {
            parts_[h] = SubsetBits(v, h);
        }
        for (const NumberBits ticket : tickets) {
            for (int h = 1; h <= ticketSize; ++h) {
                ForEachSubset(ticket, h, [&](NumberBits part) { parts_[h].Set(MaskRank(part)); });
            }
        }
    }

    // Counts the sets whose lowest position is first.
    void CountFrom(int first, BestHits& hits) const {
        Subsets empty;
        empty.ranks[0][0] = 0;
        empty.count[0] = 1;
        Join(empty, 0, 0, first, hits);
    }

  private:
    // The subsets of a drawn set X, by size, as ranks. X has at most five
    // members here, but the sizes run to a whole ticket so that no size the
    // loops below can name lies outside the arrays.
    struct Subsets {
        std::uint32_t ranks[kTicketSize + 1][16];
        int count[kTicketSize + 1] = {};
    };

    // Whether X with x added (x above every member of X) holds a marked part
    // of size best + 1, where best is X's best hit.
    bool Raises(const Subsets& x, int best, int added) const {
        if (best == ticketSize_) {
            return false;
        }
        const std::uint32_t offset = Binomial(added, best + 1);
        for (int i = 0; i < x.count[best]; ++i) {
            if (parts_[best + 1].Test(x.ranks[best][i] + offset)) {
                return true;
            }
        }
        return false;
    }

    // The subsets of X with x added: those of X, and those with x, whose
    // rank grows by C(x, size) as x is the largest member.
    static void Extend(const Subsets& from, int size, int x, Subsets& to) {
        for (int s = 0; s <= size + 1; ++s) {
            to.count[s] = 0;
        }
        for (int s = 0; s <= size; ++s) {
            for (int i = 0; i < from.count[s]; ++i) {
                to.ranks[s][to.count[s]++] = from.ranks[s][i];
                to.ranks[s + 1][to.count[s + 1]++] = from.ranks[s][i] + Binomial(x, s + 1);
            }
        }
    }

    // X has `size` members and the best hit `best`; counts X + x and the
    // sets that grow from it, for x = `x` only or for every x from `x` on.
    void Join(const Subsets& subsets, int size, int best, int x, BestHits& hits,
              bool onlyThis = true) const {
        const int last = onlyThis ? x + 1 : v_;
        for (; x < last; ++x) {
            const int grown = Raises(subsets, best, x) ? best + 1 : best;
            ++hits.sets[static_cast<std::size_t>(size + 1)][static_cast<std::size_t>(grown)];
            if (size + 1 < largest_) {
                Subsets next;
                Extend(subsets, size, x, next);
                Join(next, size + 1, grown, x + 1, hits, false);
            }
        }
    }

    int v_;
    int largest_;
    int ticketSize_;
    SubsetBits parts_[kTicketSize + 1];
};

void Add(BestHits& to, const BestHits& from) {
    for (std::size_t j = 0; j < to.sets.size(); ++j) {
        for (std::size_t h = 0; h < to.sets[j].size(); ++h) {
            to.sets[j][h] += from.sets[j][h];
        }
    }
}

}  // namespace

int BestHits::Guaranteed(int j) const {
    for (int h = 0; h <= kTicketSize; ++h) {
        if (sets[static_cast<std::size_t>(j)][static_cast<std::size_t>(h)] != 0) {
            return h;
        }
    }
    return 0;
}

double BestHits::Share(int j, int h) const {
    std::uint64_t all = 0;
    for (const std::uint64_t count : sets[static_cast<std::size_t>(j)]) {
        all += count;
    }
    return all == 0 ? 0.0
                    : static_cast<double>(
                          sets[static_cast<std::size_t>(j)][static_cast<std::size_t>(h)]) /
                          static_cast<double>(all);
}

BestHits CountBestHits(const Tickets& tickets, int v, int largest, int ticketSize) {
    const Enumeration enumeration(tickets, v, largest, std::min(ticketSize, kTicketSize));
    BestHits hits;
    hits.sets[0][0] = 1;  // no drawn number among the chosen ones
    // The sets are split by their lowest position, handed out in turn, so
    // that the two cores end together.
    std::atomic<int> next{0};
    const auto work = [&](BestHits& counted) {
        for (int first = next++; first < v; first = next++) {
            enumeration.CountFrom(first, counted);
        }
    };
    if (v < kNumbersForTwoThreads || std::thread::hardware_concurrency() < 2) {
        work(hits);
        return hits;
    }
    BestHits helped;
    std::thread helper([&] { work(helped); });
    work(hits);
    helper.join();
    Add(hits, helped);
    return hits;
}

}  // namespace kulko
