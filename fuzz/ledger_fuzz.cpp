// The ledger file reader. The first input byte says how the file is made
// from the rest: as it is (mostly too short), repeated to the full size, or
// placed at the start of a block of zeros; the reader, the totals and a
// write and read back must all hold.
#include <cstdint>
#include <string>

#include "files/in_out_error.hpp"
#include "fuzz_support.hpp"
#include "ledger/ledger_file.hpp"
#include "ledger/ledger_total.hpp"

using namespace kulko;

namespace {

std::string MakeFile(std::uint8_t how, std::string_view rest) {
    switch (how % 3) {
        case 0:
            return std::string(rest);
        case 1: {
            if (rest.empty()) {
                return std::string(kLedgerFileSize, '\0');
            }
            std::string block;
            block.reserve(kLedgerFileSize + rest.size());
            while (block.size() < kLedgerFileSize) {
                block.append(rest);
            }
            return block;
        }
        default: {
            std::string block(rest);
            if (block.size() < kLedgerFileSize) {
                block.resize(kLedgerFileSize, '\0');
            }
            return block;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string bytes = MakeFile(data[0], fuzz::AsText(data + 1, size - 1));
    const auto file = fuzz::ScratchFile("wydatki_l.dat", bytes);

    Ledger ledger;
    try {
        ledger = ReadLedgerFile(file);
    } catch (const InOutError& error) {
        fuzz::Require(bytes.size() < kLedgerFileSize, "a full-size ledger was refused");
        fuzz::Require(std::string(error.what()) == "Read beyond end of file",
                      "short ledger with the wrong error");
        return 0;
    }
    fuzz::Require(bytes.size() >= kLedgerFileSize, "a short ledger was read");
    fuzz::Require(ledger.size() == kLedgerEntries, "wrong number of entries");
    for (const LedgerEntry& entry : ledger) {
        fuzz::Require(entry.date.size() < kDateSlot && entry.amount.size() < kAmountSlot &&
                          entry.description.size() < kDescriptionSlot,
                      "a text left its slot");
    }
    fuzz::Require(!TotalText(LedgerTotal(ledger)).empty(), "empty total");

    // Stored and read again, the ledger is the same.
    WriteLedgerFile(file, ledger);
    fuzz::Require(ReadLedgerFile(file) == ledger, "ledger changed by a write and read back");
    return 0;
}
