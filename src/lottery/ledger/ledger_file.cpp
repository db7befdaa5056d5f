#include "ledger/ledger_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/read_some.hpp"
#include "files/regular_file.hpp"

namespace kulko {
namespace {

std::string ReadSlot(std::string_view block, std::size_t offset, std::size_t slot) {
    const auto length = static_cast<unsigned char>(block[offset]);
    // A length byte beyond the slot (written by something else) is taken as
    // the whole slot: the text never runs into the next entry.
    const std::size_t taken = std::min<std::size_t>(length, slot - 1);
    return std::string(block.substr(offset + 1, taken));
}

void WriteSlot(std::string& block, std::size_t offset, std::size_t slot, std::string_view text) {
    const std::size_t kept = std::min(text.size(), slot - 1);
    block[offset] = static_cast<char>(kept);
    std::copy_n(text.data(), kept, block.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

}  // namespace

Ledger EmptyLedger() {
    return Ledger(kLedgerEntries);
}

Ledger DecodeLedger(std::string_view block) {
    if (block.size() < kLedgerFileSize) {
        throw InOutError::ReadBeyondEnd();
    }
    Ledger ledger(kLedgerEntries);
    for (std::size_t i = 0; i < kLedgerEntries; ++i) {
        LedgerEntry& entry = ledger[i];
        entry.date = ReadSlot(block, kDatesOffset + i * kDateSlot, kDateSlot);
        entry.amount = ReadSlot(block, kAmountsOffset + i * kAmountSlot, kAmountSlot);
        entry.description =
            ReadSlot(block, kDescriptionsOffset + i * kDescriptionSlot, kDescriptionSlot);
    }
    return ledger;
}

std::string EncodeLedger(const Ledger& ledger) {
    std::string block(kLedgerFileSize, '\0');
    const std::size_t count = std::min(ledger.size(), kLedgerEntries);
    for (std::size_t i = 0; i < count; ++i) {
        const LedgerEntry& entry = ledger[i];
        WriteSlot(block, kDatesOffset + i * kDateSlot, kDateSlot, entry.date);
        WriteSlot(block, kAmountsOffset + i * kAmountSlot, kAmountSlot, entry.amount);
        WriteSlot(block, kDescriptionsOffset + i * kDescriptionSlot, kDescriptionSlot,
                  entry.description);
    }
    return block;
}

Ledger ReadLedgerFile(const std::filesystem::path& path) {
    const int fd = OpenRegularFile(path, O_RDONLY);
    // One block; a longer file is read only up to its end.
    std::string block(kLedgerFileSize, '\0');
    const ssize_t got = ReadFull(fd, block.data(), block.size());
    const int error = errno;
    ::close(fd);
    if (got < 0) {
        throw InOutError::FromErrno(error);
    }
    if (static_cast<std::size_t>(got) < kLedgerFileSize) {
        throw InOutError::ReadBeyondEnd();
    }
    return DecodeLedger(block);
}

void WriteLedgerFile(const std::filesystem::path& path, const Ledger& ledger) {
    SafeReplaceWrite(path, EncodeLedger(ledger));
}

void CreateLedgerFileIfMissing(const std::filesystem::path& path) {
    // Written safely too: a half-written new file would be too short to open
    // ever after; and never over a ledger another program has just made.
    WriteFileIfMissing(path, std::string(kLedgerFileSize, '\0'));
}

}  // namespace kulko
