#include "ledger/ledger_file.hpp"

#include <gtest/gtest.h>

#include "files/in_out_error.hpp"
#include "support/temp_dir.hpp"

namespace kulko::test {
namespace {

std::string SizedFile(std::size_t size) {
    return std::string(size, '\0');
}

TEST(LedgerFormat, EncodesEachTextIntoItsSlotOfTheRightArray) {
    Ledger ledger = EmptyLedger();
    ledger[0] = {"01.02.2024", "10", "kupon"};
    ledger[1].amount = "2.5";
    ledger[4999].description = "ostatni";
    const std::string block = EncodeLedger(ledger);

    ASSERT_EQ(block.size(), 315000u);
    EXPECT_EQ(block.substr(0, 11), std::string("\x0A"
                                               "01.02.2024",
                                               11));
    EXPECT_EQ(block.substr(55000, 4), std::string("\x02"
                                                  "10\0",
                                                  4));
    EXPECT_EQ(block.substr(55011, 5), std::string("\x03"
                                                  "2.5\0",
                                                  5));
    EXPECT_EQ(block.substr(110000, 7), std::string("\x05"
                                                   "kupon\0",
                                                   7));
    EXPECT_EQ(block.substr(110000 + 4999 * 41, 8), std::string("\x07"
                                                               "ostatni",
                                                               8));
    // Nothing else is set.
    std::size_t nonZero = 0;
    for (char c : block) {
        nonZero += c != '\0';
    }
    EXPECT_EQ(nonZero, 11u + 3u + 4u + 6u + 8u);
    EXPECT_EQ(DecodeLedger(block), ledger);
}

TEST(LedgerFormat, KeepsOnlyWhatFitsTheSlot) {
    Ledger ledger = EmptyLedger();
    ledger[2] = {"2024-01-01xx", "123456789012", std::string(45, 'o')};
    const Ledger back = DecodeLedger(EncodeLedger(ledger));
    EXPECT_EQ(back[2].date, "2024-01-01");
    EXPECT_EQ(back[2].amount, "1234567890");
    EXPECT_EQ(back[2].description, std::string(40, 'o'));
    EXPECT_EQ(back[3], LedgerEntry{});
}

TEST(LedgerFormat, ALengthByteBeyondItsSlotReadsOnlyTheSlot) {
    std::string block = SizedFile(kLedgerFileSize);
    // Entry 1 amount claims 200 bytes; entry 2 amount follows it.
    block[55000] = static_cast<char>(200);
    block.replace(55001, 10, "1234567890");
    block[55011] = 1;
    block[55012] = '7';
    // The very last slot of the file claims 255 bytes.
    block[110000 + 4999 * 41] = static_cast<char>(255);
    block.replace(110000 + 4999 * 41 + 1, 40, std::string(40, 'z'));

    const Ledger ledger = DecodeLedger(block);
    EXPECT_EQ(ledger[0].amount, "1234567890");
    EXPECT_EQ(ledger[1].amount, "7");
    EXPECT_EQ(ledger[4999].description, std::string(40, 'z'));
}

TEST(LedgerFile, ReadsExactlyTheBlockAndRejectsShortFiles) {
    struct Case {
        std::size_t size;
        bool readable;
    };
    for (const Case& c :
         {Case{0, false}, Case{314999, false}, Case{315000, true}, Case{400000, true}}) {
        SCOPED_TRACE(c.size);
        TempDir dir;
        std::string bytes(c.size, '\0');
        if (c.size >= 315000) {
            bytes.replace(55000, 3, "\x02-3");
        }
        dir.Write("wydatki_l.dat", bytes);
        if (c.readable) {
            EXPECT_EQ(ReadLedgerFile(dir / "wydatki_l.dat")[0].amount, "-3");
        } else {
            try {
                ReadLedgerFile(dir / "wydatki_l.dat");
                ADD_FAILURE() << "no error";
            } catch (const InOutError& error) {
                EXPECT_STREQ(error.what(), "Read beyond end of file");
            }
        }
    }
}

TEST(LedgerFile, MissingFileIsNotFound) {
    TempDir dir;
    try {
        ReadLedgerFile(dir / "przychody_l.dat");
        ADD_FAILURE() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
}

TEST(LedgerFile, CreatesOnlyAMissingFile) {
    TempDir dir;
    CreateLedgerFileIfMissing(dir / "wydatki_l.dat");
    EXPECT_EQ(dir.Read("wydatki_l.dat"), SizedFile(315000));

    dir.Write("przychody_l.dat", "short");
    CreateLedgerFileIfMissing(dir / "przychody_l.dat");
    EXPECT_EQ(dir.Read("przychody_l.dat"), "short");
}

}  // namespace
}  // namespace kulko::test
