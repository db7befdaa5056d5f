// The window of kulko-systemy on the offscreen platform: pick numbers,
// build the system, keep it in the memory; and the printout as a PDF.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPdfWriter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "support/temp_dir.hpp"
#include "systemy_qt/print_system.hpp"
#include "systemy_qt/systemy_main_window.hpp"

namespace kulko::test {
namespace {

class SystemyGui : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<SystemyMainWindow>(dir.Path(), KULKO_SHIPPED_TABLE);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T>
    T* Find(const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
    // Builds the system with the chosen numbers and waits for it.
    void BuildSystem() {
        Find<QLineEdit>("czas")->clear();
        QTest::keyClicks(Find<QLineEdit>("czas"), "1");
        Click("rozpisz");
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return Find<QPushButton>("doPamieci")->isEnabled(); }, 10000));
    }

    TempDir dir;
    std::unique_ptr<SystemyMainWindow> window;
};

TEST_F(SystemyGui, PickNumbersOnTheGridAndByText) {
    EXPECT_EQ(window->windowTitle().toStdString(), "Kulko – systemy");
    EXPECT_EQ(Find<QTabWidget>("strony")->tabText(0).toStdString(), "System skrócony");
    Click("liczba3");
    Click("liczba4");
    Click("liczba5");
    EXPECT_EQ(Find<QLineEdit>("wybrane")->text().toStdString(), "3-5");
    QTest::keyClicks(Find<QLineEdit>("wybrane"), ";40");
    EXPECT_TRUE(Find<QToolButton>("liczba40")->isChecked());
    EXPECT_EQ(Find<QLabel>("wybrano")->text().toStdString(), "Wybrano: 4 liczby");
    Find<QComboBox>("gwarancja")->setCurrentIndex(0);
    emit Find<QComboBox>("gwarancja")->activated(0);
    EXPECT_NE(Find<QLabel>("znaczenie")->text().toStdString().find("trafia 3"), std::string::npos);
}

TEST_F(SystemyGui, BuildAndStoreInTheMemory) {
    QTest::keyClicks(Find<QLineEdit>("wybrane"), "1-8");
    BuildSystem();
    const int tickets = Find<QListView>("zaklady")->model()->rowCount();
    EXPECT_GT(tickets, 0);
    EXPECT_NE(Find<QLabel>("wynik")->text().toStdString().find("Gwarancja sprawdzona"),
              std::string::npos);
    Click("doPamieci");
    const std::string memory = dir.Read("wyniki_kulko.txt");
    EXPECT_EQ(std::count(memory.begin(), memory.end(), '\n'), tickets);
    EXPECT_EQ(memory.rfind("\r\n"), memory.size() - 2);
}

// The analyses' tabs: each page's widgets drive its handlers and show its
// answers (the counts themselves are tested through the page classes).
TEST_F(SystemyGui, AnalysisPagesOnTheirTabs) {
    auto* tabs = Find<QTabWidget>("strony");
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(4).toStdString(), "Wyniki");
    EXPECT_EQ(tabs->tabText(1).toStdString(), "Historia zestawów");
    EXPECT_EQ(tabs->tabText(2).toStdString(), "Filtry");
    EXPECT_EQ(tabs->tabText(3).toStdString(), "Liczby");
    dir.Write("kulko.txt", "1;01.01.2000;3;7;12;20;33;41\r\n2;08.01.2000;3;7;12;40;41;42\r\n");
    dir.Write("wyniki_kulko.txt", "3;7;12;20;33;41\r\n1;2;3;40;41;42\r\n");
    const auto on = [&](int tab, const char* name) {
        tabs->setCurrentIndex(tab);
        QObject* widget = tabs->widget(tab)->findChild<QObject*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    };
    const auto text = [&](int tab, const char* name) {
        return qobject_cast<QLabel*>(on(tab, name))->text().toStdString();
    };

    QTest::mouseClick(qobject_cast<QPushButton*>(on(1, "wczytaj")), Qt::LeftButton);
    auto* memory = qobject_cast<QListWidget*>(on(1, "pamiec"));
    ASSERT_EQ(memory->count(), 2);
    memory->item(1)->setCheckState(Qt::Checked);
    emit qobject_cast<QComboBox*>(on(1, "zrodlo"))->activated(1);  // the ticked sets
    QTest::mouseClick(qobject_cast<QPushButton*>(on(1, "sprawdz")), Qt::LeftButton);
    auto* results = qobject_cast<QTableWidget*>(on(1, "wyniki"));
    // The check runs off the window's thread and shows itself when done.
    ASSERT_TRUE(QTest::qWaitFor([&] { return results->rowCount() == 1; }, 10000))
        << text(1, "stan");
    EXPECT_EQ(results->item(0, 0)->text().toStdString(), "1;2;3;40;41;42");
    EXPECT_EQ(results->item(0, 2)->text().toStdString(), "1");  // 4 hits in draw 2
    EXPECT_TRUE(qobject_cast<QWidget*>(on(1, "wykres"))->isVisible());

    QTest::mouseClick(qobject_cast<QPushButton*>(on(3, "policz")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return qobject_cast<QTableWidget*>(on(3, "liczby"))->rowCount() == 49; }, 10000));
    EXPECT_EQ(text(3, "stan"), "Policzono 2 losowania.");

    emit qobject_cast<QComboBox*>(on(2, "tryb"))->activated(3);
    // On its box: a row's layout may stretch the check box past its caption.
    auto* juzByla = qobject_cast<QAbstractButton*>(on(2, "juzByla"));
    QTest::mouseClick(juzByla, Qt::LeftButton, {}, QPoint(6, juzByla->height() / 2));
    const GeneratorOptions options = window->Window().filtersPage.Options();
    EXPECT_EQ(options.mode, DrawMode::NoFour);
    EXPECT_TRUE(options.notIfAlreadyDrawn);
    dir.Write("kulko.txt", "1;01.01.2000;3;7;12;20;33;50\r\n");  // no count runs on it
    QTest::mouseClick(qobject_cast<QPushButton*>(on(2, "policz")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return text(2, "stan") == "Wykryto błąd zakresu w wierszu 1;01.01.2000;3;7;12;20;33;50";
        },
        60000))
        << text(2, "stan");
    EXPECT_EQ(text(2, "zestawy"), "");
}

TEST(SystemyPrint, LongSystemsRunOverPages) {
    TempDir dir;
    PrintedSystem document{"System skrócony 3 z 6", {"Wybrane liczby (7): 1;2;3;4;5;6;7"}, {}};
    for (int i = 1; i <= 120; ++i) {
        document.lines.push_back(std::to_string(i) + ". 1;2;3;4;5;6");
    }
    const QString path = QString::fromStdString((dir / "system.pdf").string());
    {
        QPdfWriter pdf(path);
        PrintSystem(document, pdf);
    }
    const std::string bytes = dir.Read("system.pdf");
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    // 120 lines do not fit one page.
    const std::size_t count = bytes.find("/Count ");
    ASSERT_NE(count, std::string::npos);
    EXPECT_GE(std::stoi(bytes.substr(count + 7)), 2);
}

}  // namespace
}  // namespace kulko::test
