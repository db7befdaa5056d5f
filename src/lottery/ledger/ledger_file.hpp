#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kulko {

// One line of the finance ledger. Texts are Windows-1250 bytes, as stored.
struct LedgerEntry {
    std::string date;
    std::string amount;
    std::string description;
    bool operator==(const LedgerEntry&) const = default;
};

// The ledger file: one block of three arrays of length-prefixed slots, all
// dates, then all amounts, then all descriptions. Byte 0 of a slot is the
// text length, the text follows, the rest of the slot means nothing.
inline constexpr std::size_t kLedgerEntries = 5000;
inline constexpr std::size_t kDateSlot = 11;
inline constexpr std::size_t kAmountSlot = 11;
inline constexpr std::size_t kDescriptionSlot = 41;
inline constexpr std::size_t kDatesOffset = 0;
inline constexpr std::size_t kAmountsOffset = kDatesOffset + kLedgerEntries * kDateSlot;
inline constexpr std::size_t kDescriptionsOffset = kAmountsOffset + kLedgerEntries * kAmountSlot;
inline constexpr std::size_t kLedgerFileSize =
    kDescriptionsOffset + kLedgerEntries * kDescriptionSlot;
static_assert(kLedgerFileSize == 315000);

// Always kLedgerEntries entries; entry i (from 1) is at index i - 1.
using Ledger = std::vector<LedgerEntry>;

// A ledger of empty entries.
Ledger EmptyLedger();

// Reads the entries out of a block of at least kLedgerFileSize bytes; any
// bytes past it are ignored. A length byte larger than its slot reads only
// what the slot holds, so reading never leaves the slot.
Ledger DecodeLedger(std::string_view block);

// The block of exactly kLedgerFileSize bytes. A text longer than its slot
// keeps only its first 10 (date, amount) or 40 (description) bytes; the
// ledger must hold kLedgerEntries entries.
std::string EncodeLedger(const Ledger& ledger);

// Reads the first kLedgerFileSize bytes of the file. A shorter file throws
// "Read beyond end of file"; other failures throw their InOutError.
Ledger ReadLedgerFile(const std::filesystem::path& path);

// Stores the ledger through a safe replace: on any failure the old file
// stays whole and the InOutError is thrown.
void WriteLedgerFile(const std::filesystem::path& path, const Ledger& ledger);

// A missing ledger file is created as a ledger of empty entries (all zero
// bytes). An existing file is left alone.
void CreateLedgerFileIfMissing(const std::filesystem::path& path);

}  // namespace kulko
