#include "wheels/system_catalog.hpp"

#include <map>
#include <mutex>

#include "wheels/constructions/constructed_systems.hpp"
#include "wheels/constructions/derived_systems.hpp"

namespace kulko {
namespace {

// How many numbers more a system may have to be derived from: each left
// out number costs tickets, so from further up it rarely pays.
constexpr int kMostDropped = 4;
constexpr int kMostNumbers = 49;

// The constructed systems, each built once for the whole program.
const std::optional<ConstructedSystem>& Constructed(int v, Guarantee guarantee) {
    static std::mutex mutex;
    static std::map<std::pair<int, std::pair<int, int>>, std::optional<ConstructedSystem>> built;
    const std::lock_guard lock(mutex);
    const auto key = std::make_pair(v, std::make_pair(guarantee.t, guarantee.m));
    auto it = built.find(key);
    if (it == built.end()) {
        bool listed = false;
        for (const auto& [cellV, cellGuarantee] : ConstructedCells()) {
            listed = listed || (cellV == v && cellGuarantee == guarantee);
        }
        it = built.emplace(key, listed ? FindConstructedSystem(v, guarantee) : std::nullopt).first;
    }
    return it->second;
}

}  // namespace

std::optional<SystemCatalog::Source> SystemCatalog::BestSource(int v, Guarantee guarantee) const {
    std::optional<Source> best;
    for (int from = v; from <= std::min(v + kMostDropped, kMostNumbers); ++from) {
        const Tickets* shipped = table_ == nullptr ? nullptr : table_->Find(from, guarantee);
        if (shipped != nullptr && (!best || shipped->size() < best->size)) {
            best = Source{from, shipped->size(), false};
        }
        const std::optional<ConstructedSystem>& constructed = Constructed(from, guarantee);
        if (constructed && (!best || constructed->tickets.size() < best->size)) {
            best = Source{from, constructed->tickets.size(), true};
        }
    }
    return best;
}

std::optional<std::size_t> SystemCatalog::Size(int v, Guarantee guarantee) const {
    const std::optional<Source> source = BestSource(v, guarantee);
    return source ? std::optional<std::size_t>(source->size) : std::nullopt;
}

SystemCatalog::Known SystemCatalog::Find(int v, Guarantee guarantee) const {
    const std::optional<Source> source = BestSource(v, guarantee);
    if (!source) {
        return {};
    }
    Known known;
    if (source->constructed) {
        const ConstructedSystem& system = *Constructed(source->from, guarantee);
        known = {system.tickets, SystemOrigin::kConstruction, system.how};
    } else {
        known = {*table_->Find(source->from, guarantee), SystemOrigin::kTable, ""};
    }
    if (source->from > v) {
        known.tickets = DropNumbers(known.tickets, source->from, source->from - v, guarantee);
    }
    return known;
}

}  // namespace kulko
