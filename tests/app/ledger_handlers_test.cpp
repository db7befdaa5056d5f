#include <gtest/gtest.h>

#include <filesystem>

#include "files/in_out_error.hpp"
#include "ledger/ledger_file.hpp"
#include "support/file_size_limit.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

const std::string kEmptyLedgerFile(315000, '\0');

class LedgerHandlers : public WindowTest {
  protected:
    void Open() { Window().SpeedButton10Click(); }
    void Close() { Window().SpeedButton11Click(); }
    void Type(Control& grid, int col, int row, std::string text) {
        grid.cells.SetCellFromScreen(col, row, std::move(text));
    }
    // Writes a ledger file made of these entries.
    void WriteLedger(const char* name, const std::vector<std::pair<std::size_t, LedgerEntry>>& at) {
        Ledger ledger = EmptyLedger();
        for (const auto& [entry, texts] : at) {
            ledger[entry - 1] = texts;
        }
        dir.Write(name, EncodeLedger(ledger));
    }
    std::string ErrorOf(void (Tgenerator::*handler)()) {
        try {
            (Window().*handler)();
        } catch (const InOutError& error) {
            return error.what();
        }
        return "no error";
    }
    std::size_t FilesInDir() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()));
    }
};

TEST_F(LedgerHandlers, FirstOpeningCreatesEmptyFilesAndShowsZeroTotals) {
    Open();
    EXPECT_EQ(dir.Read("wydatki_l.dat"), kEmptyLedgerFile);
    EXPECT_EQ(dir.Read("przychody_l.dat"), kEmptyLedgerFile);
    const Tgenerator& w = *window;
    EXPECT_EQ(w.Label21.caption, "Razem wydatki 0.00 zł");
    EXPECT_EQ(w.Label22.caption, "Razem przychody 0.00 zł");
    EXPECT_TRUE(w.Panel2.visible);
    EXPECT_EQ(w.Panel2.bounds, (Bounds{8, 40, 981, 563}));
    EXPECT_EQ(w.wydatki.cells.Cell(1, 1), "");
}

TEST_F(LedgerHandlers, PolishTextsGoToTheFileInWindows1250AndComeBack) {
    Open();
    Tgenerator& w = *window;
    Type(w.wydatki, 0, 1, "źdź. 1 maj");
    Type(w.wydatki, 1, 1, "10");
    Type(w.wydatki, 2, 1, "Zakłady: żółć, ŁĄKA, gęś");
    Type(w.przychody, 2, 4999, "wygrana – trójka");
    Close();
    EXPECT_FALSE(w.Panel2.visible);

    const std::string expenses = dir.Read("wydatki_l.dat");
    ASSERT_EQ(expenses.size(), 315000u);
    EXPECT_EQ(expenses.substr(0, 11),
              "\x0A\x9F"
              "d\x9F. 1 maj");
    EXPECT_EQ(expenses.substr(110000, 25),
              "\x18Zak\xB3"
              "ady: \xBF\xF3\xB3\xE6, \xA3\xA5KA, g\xEA\x9C");
    EXPECT_EQ(dir.Read("przychody_l.dat").substr(110000 + 4998 * 41, 17),
              "\x10wygrana \x96 tr\xF3jka");

    // A fresh window reads back what the first stored.
    window.reset();
    Open();
    EXPECT_EQ(window->wydatki.cells.Cell(0, 1), "źdź. 1 maj");
    EXPECT_EQ(window->wydatki.cells.Cell(2, 1), "Zakłady: żółć, ŁĄKA, gęś");
    EXPECT_EQ(window->przychody.cells.Cell(2, 4999), "wygrana – trójka");
    EXPECT_EQ(window->Label21.caption, "Razem wydatki 10.00 zł");
}

TEST_F(LedgerHandlers, TotalsAreShownWhenThePanelOpens) {
    struct Case {
        std::vector<std::string> amounts;
        const char* expenses;
    };
    const Case cases[] = {
        {{"10", "2.5", ""}, "Razem wydatki 12.50 zł"},
        {{"10", "-3"}, "Razem wydatki 7.00 zł"},
        {{"2,50", "4"}, "Razem wydatki 6.50 zł"},
        // The Polish way: counted, and the text stays as typed.
        {{"12,50 zł", "1.234,50", "3zł"}, "Razem wydatki 15.50 zł"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expenses);
        Open();
        for (std::size_t i = 0; i < c.amounts.size(); ++i) {
            Type(window->wydatki, 1, static_cast<int>(i) + 1, c.amounts[i]);
        }
        Type(window->przychody, 1, 7, "-3");
        // Edits do not move the shown total until the panel opens again.
        EXPECT_EQ(window->Label21.caption, "Razem wydatki 0.00 zł");
        Close();
        Open();
        EXPECT_EQ(window->Label21.caption, c.expenses);
        EXPECT_EQ(window->wydatki.cells.Cell(1, 1), c.amounts[0]);
        EXPECT_EQ(window->Label22.caption, "Razem przychody -3.00 zł");
        // Opening again without edits shows the same.
        Close();
        Open();
        EXPECT_EQ(window->Label21.caption, c.expenses);
        for (int row = 1; row <= 3; ++row) {
            Type(window->wydatki, 1, row, "");
        }
        Close();
    }
}

TEST_F(LedgerHandlers, PowrotCutsTextsToTheirSlots) {
    Open();
    Tgenerator& w = *window;
    Type(w.wydatki, 0, 2, "2024-05-17 sobota");
    Type(w.wydatki, 1, 2, "123456789012");
    // 45 characters, Polish letters among them: cut by characters, not bytes.
    Type(w.wydatki, 2, 2, "ąęśćźżółń" + std::string(31, 'x') + "ABCDE");
    // No Windows-1250 form: stored as "?".
    Type(w.wydatki, 2, 3, "kot 猫 🐈");
    Close();
    Open();
    EXPECT_EQ(w.wydatki.cells.Cell(0, 2), "2024-05-17");
    EXPECT_EQ(w.wydatki.cells.Cell(1, 2), "1234567890");
    EXPECT_EQ(w.wydatki.cells.Cell(2, 2), "ąęśćźżółń" + std::string(31, 'x'));
    EXPECT_EQ(w.wydatki.cells.Cell(2, 3), "kot ? ?");
    EXPECT_EQ(w.Label21.caption, "Razem wydatki 1234567890.00 zł");
}

TEST_F(LedgerHandlers, TheLastEntryHasNoRowButCountsAndSurvives) {
    WriteLedger("wydatki_l.dat", {{5000, {"31.12.2024", "5", "spoza siatki"}}});
    WriteLedger("przychody_l.dat", {{4999, {"", "1", ""}}, {5000, {"", "2", "ż"}}});
    const std::string expenses = dir.Read("wydatki_l.dat");
    const std::string incomes = dir.Read("przychody_l.dat");
    Open();
    EXPECT_EQ(window->Label21.caption, "Razem wydatki 5.00 zł");
    EXPECT_EQ(window->Label22.caption, "Razem przychody 3.00 zł");
    EXPECT_EQ(window->przychody.cells.Cell(1, 4999), "1");
    Type(window->wydatki, 1, 1, "1");
    Close();

    std::string expected = expenses;
    expected.replace(55000, 2,
                     "\x01"
                     "1");
    EXPECT_EQ(dir.Read("wydatki_l.dat"), expected);
    EXPECT_EQ(dir.Read("przychody_l.dat"), incomes);
}

TEST_F(LedgerHandlers, AShortFileKeepsThePanelClosedAndALongOneIsCutBack) {
    Open();
    Close();
    dir.Write("przychody_l.dat", std::string(314999, '\0'));
    std::string longFile = kEmptyLedgerFile + "trailing bytes";
    longFile.replace(55000, 2,
                     "\x01"
                     "8");
    dir.Write("wydatki_l.dat", longFile);

    EXPECT_EQ(ErrorOf(&Tgenerator::SpeedButton10Click), "Read beyond end of file");
    EXPECT_FALSE(window->Panel2.visible);
    EXPECT_EQ(window->Label21.caption, "Razem wydatki 0.00 zł");
    EXPECT_EQ(window->wydatki.cells.Cell(1, 1), "");

    dir.Write("przychody_l.dat", kEmptyLedgerFile);
    Open();
    EXPECT_EQ(window->Label21.caption, "Razem wydatki 8.00 zł");
    Close();
    EXPECT_EQ(dir.Read("wydatki_l.dat"), longFile.substr(0, 315000));
}

TEST_F(LedgerHandlers, AFullDiskLeavesTheOldFilesWholeAndThePanelOpen) {
    WriteLedger("wydatki_l.dat", {{1, {"1.01", "10", "stary"}}});
    WriteLedger("przychody_l.dat", {{1, {"2.01", "20", "stary"}}});
    const std::string expenses = dir.Read("wydatki_l.dat");
    const std::string incomes = dir.Read("przychody_l.dat");
    Open();
    Type(window->wydatki, 1, 1, "99");
    Type(window->przychody, 1, 1, "99");

    std::string error;
    {
        const FileSizeLimit limit(100000);
        error = ErrorOf(&Tgenerator::SpeedButton11Click);
    }
    EXPECT_EQ(error, "Disk full");
    EXPECT_TRUE(window->Panel2.visible);
    EXPECT_EQ(dir.Read("wydatki_l.dat"), expenses);
    EXPECT_EQ(dir.Read("przychody_l.dat"), incomes);
    EXPECT_EQ(FilesInDir(), 2u) << "a temporary file was left behind";

    // With room again the same edits are stored.
    Close();
    EXPECT_FALSE(window->Panel2.visible);
    Open();
    EXPECT_EQ(window->Label21.caption, "Razem wydatki 99.00 zł");
}

TEST_F(LedgerHandlers, AFailedExpensesFileStopsBeforeTheIncomesFile) {
    Open();
    Type(window->wydatki, 1, 1, "1");
    Type(window->przychody, 1, 1, "2");
    // A directory in the file's place cannot be replaced, even by root.
    std::filesystem::remove(dir / "wydatki_l.dat");
    std::filesystem::create_directory(dir / "wydatki_l.dat");

    EXPECT_EQ(ErrorOf(&Tgenerator::SpeedButton11Click), "File access denied");
    EXPECT_TRUE(window->Panel2.visible);
    EXPECT_EQ(dir.Read("przychody_l.dat"), kEmptyLedgerFile);
    EXPECT_EQ(FilesInDir(), 2u);
}

TEST_F(LedgerHandlers, AFailedIncomesFileKeepsTheStoredExpensesAndThePanelOpen) {
    Open();
    Type(window->wydatki, 1, 1, "1");
    std::filesystem::remove(dir / "przychody_l.dat");
    std::filesystem::create_directory(dir / "przychody_l.dat");

    EXPECT_EQ(ErrorOf(&Tgenerator::SpeedButton11Click), "File access denied");
    EXPECT_TRUE(window->Panel2.visible);
    EXPECT_EQ(dir.Read("wydatki_l.dat").substr(55000, 2),
              "\x01"
              "1");
}

}  // namespace
}  // namespace kulko::test
