#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

#include "gui/gui_support.hpp"
#include "ledger/ledger_file.hpp"

namespace kulko::test {
namespace {

class LedgerGui : public ShownWindowTest {
  protected:
    void PrepareFiles() override {
        Ledger expenses = EmptyLedger();
        expenses[4998] = {"ostatni", "1", "wiersz 4999"};
        expenses[4999] = {"ukryty", "100", "wpis 5000"};
        dir.Write("wydatki_l.dat", EncodeLedger(expenses));
    }
    // Types into a cell as a user would: a click on the cell opens the
    // editor in place, the keys go to it and Tab stores the text and moves on.
    enum class Then { Tab, Nothing };
    void TypeIntoCell(QTableView& table, int row, int column, const QString& text,
                      Then then = Then::Tab) {
        const QModelIndex cell = table.model()->index(row, column);
        table.scrollTo(cell);
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(cell).center());
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(table.isAncestorOf(editor)) << "no editor opened in the grid";
        QTest::keyClicks(editor, text);
        if (then == Then::Tab) {
            QTest::keyClick(editor, Qt::Key_Tab);
        }
    }
};

TEST_F(LedgerGui, GridsShowTheLedgerWithHeadingsWidthsAndNoRowForTheLastEntry) {
    Click("SpeedButton10");
    QWidget* panel = Find<QWidget>(*window, "Panel2");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(8, 40, 981, 563));

    for (const char* name : {"wydatki", "przychody"}) {
        SCOPED_TRACE(name);
        auto* table = Find<QTableView>(*window, name);
        ASSERT_NE(table, nullptr);
        const QAbstractItemModel& model = *table->model();
        // The heading row and 4999 rows of entries.
        EXPECT_EQ(model.rowCount(), 4999);
        ASSERT_EQ(model.columnCount(), 3);
        const char* headings[] = {"Data", "Kwota", "Opis"};
        const int widths[] = {64, 64, 233};
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(), headings[column]);
            EXPECT_EQ(table->columnWidth(column), widths[column]);
            EXPECT_TRUE(model.flags(model.index(4998, column)) & Qt::ItemIsEditable);
        }
        EXPECT_TRUE(table->horizontalHeader()->isVisible());
        EXPECT_TRUE(table->tabKeyNavigation());
    }
    const QAbstractItemModel& expenses = *Find<QTableView>(*window, "wydatki")->model();
    EXPECT_EQ(expenses.data(expenses.index(4998, 2)).toString(), "wiersz 4999");
    EXPECT_EQ(LabelText(*window, "Label21"), "Razem wydatki 101.00 zł");
}

TEST_F(LedgerGui, AnAmountTypedIntoTheGridCountsAfterReopening) {
    Click("SpeedButton10");
    auto* table = Find<QTableView>(*window, "wydatki");
    ASSERT_NE(table, nullptr);
    TypeIntoCell(*table, 0, 1, "12.5");
    // Tab moved on to the description of the same entry.
    EXPECT_EQ(table->currentIndex(), table->model()->index(0, 2));
    EXPECT_EQ(table->model()->data(table->model()->index(0, 1)).toString(), "12.5");
    // Still being edited when "Powrót" is clicked: the text must be stored too.
    TypeIntoCell(*table, 1, 2, "kupon", Then::Nothing);
    // The total moves only when the panel opens again.
    EXPECT_EQ(LabelText(*window, "Label21"), "Razem wydatki 101.00 zł");

    Click("SpeedButton11");
    EXPECT_FALSE(Find<QWidget>(*window, "Panel2")->isVisible());
    Click("SpeedButton10");
    EXPECT_TRUE(Find<QWidget>(*window, "Panel2")->isVisible());
    EXPECT_EQ(LabelText(*window, "Label21"), "Razem wydatki 113.50 zł");
    EXPECT_EQ(LabelText(*window, "Label22"), "Razem przychody 0.00 zł");
    const Ledger stored = ReadLedgerFile(dir / "wydatki_l.dat");
    EXPECT_EQ(stored[0].amount, "12.5");
    EXPECT_EQ(stored[1].description, "kupon");
    EXPECT_EQ(stored[4999], (LedgerEntry{"ukryty", "100", "wpis 5000"}));
}

TEST_F(LedgerGui, AFailedStoreShowsTheErrorBoxAndKeepsThePanelOpen) {
    Click("SpeedButton10");
    std::filesystem::remove(dir / "wydatki_l.dat");
    std::filesystem::create_directory(dir / "wydatki_l.dat");
    QString seen;
    AnswerNextBox("OK", &seen);
    Click("SpeedButton11");
    EXPECT_EQ(seen.toStdString(), "File access denied");
    EXPECT_TRUE(Find<QWidget>(*window, "Panel2")->isVisible());
}

}  // namespace
}  // namespace kulko::test
