// The finance ledger: "Finanse" loads both ledger files into the grids and
// shows the totals; "Powrót" stores the grids and closes the panel.

#include "app/tgenerator.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "ledger/ledger_file.hpp"
#include "ledger/ledger_total.hpp"
#include "text/cp1250.hpp"

namespace kulko {
namespace {

// Row i of a grid's cells holds entry i; row 0 is the heading row. The last
// entry is held in the cells though the grid on screen has no row for it.
void FillGrid(GridCells& cells, const Ledger& ledger) {
    for (std::size_t i = 0; i < ledger.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        cells.SetCell(0, row, Cp1250ToUtf8(ledger[i].date));
        cells.SetCell(1, row, Cp1250ToUtf8(ledger[i].amount));
        cells.SetCell(2, row, Cp1250ToUtf8(ledger[i].description));
    }
}

// Texts go to Windows-1250 (a character without a form there becomes "?");
// the file format then keeps their first 10, 10 and 40 characters.
Ledger LedgerFromGrid(const GridCells& cells) {
    Ledger ledger = EmptyLedger();
    for (std::size_t i = 0; i < ledger.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        ledger[i].date = Utf8ToCp1250(cells.Cell(0, row));
        ledger[i].amount = Utf8ToCp1250(cells.Cell(1, row));
        ledger[i].description = Utf8ToCp1250(cells.Cell(2, row));
    }
    return ledger;
}

}  // namespace

void Tgenerator::SpeedButton10Click() {
    const WorkDirLock lock(workDir_, PaintWhileWaiting());
    CreateLedgerFileIfMissing(File(kExpensesLedger));
    CreateLedgerFileIfMissing(File(kIncomesLedger));
    // Both files are read before either grid changes, so a damaged incomes
    // file leaves the grids and totals as they were.
    const Ledger expenses = ReadLedgerFile(File(kExpensesLedger));
    const Ledger incomes = ReadLedgerFile(File(kIncomesLedger));

    FillGrid(wydatki.cells, expenses);
    FillGrid(przychody.cells, incomes);
    Label21.caption = "Razem wydatki " + TotalText(LedgerTotal(expenses)) + " zł";
    Label22.caption = "Razem przychody " + TotalText(LedgerTotal(incomes)) + " zł";
    Place(Panel2, 8, 40, 981, 563);
}

void Tgenerator::SpeedButton11Click() {
    // Each file is replaced safely: a failure (full disk, no access) leaves the
    // old file whole and ends here with the error, so the incomes file is not
    // touched after a failed expenses file and the panel stays open.
    const WorkDirLock lock(workDir_, PaintWhileWaiting());
    WriteLedgerFile(File(kExpensesLedger), LedgerFromGrid(wydatki.cells));
    WriteLedgerFile(File(kIncomesLedger), LedgerFromGrid(przychody.cells));
    Panel2.visible = false;
}

}  // namespace kulko
