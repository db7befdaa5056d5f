// The systems window as a player meets it, on the offscreen platform:
// figures without a press, a window that answers while it counts and costs
// nothing when idle, a stale system, the choices kept, the grid by keys.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <chrono>
#include <iostream>

#include "files/text_file.hpp"
#include "gui/gui_support.hpp"
#include "qt_shared/toolkit_polish.hpp"
#include "support/scoped_environment.hpp"
#include "systemy_qt/systemy_main_window.hpp"

namespace kulko::test {
namespace {

class SystemyPlayerGui : public ::testing::Test {
  protected:
    void Open() {
        window = std::make_unique<SystemyMainWindow>(dir.Path(), KULKO_SHIPPED_TABLE);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T>
    T* Find(const char* page, const char* name) {
        QWidget* tab = window->findChild<QWidget*>(QString::fromLatin1(page));
        T* widget = tab == nullptr ? nullptr : tab->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << page << "/" << name;
        return widget;
    }
    QTabWidget* Tabs() { return window->findChild<QTabWidget*>(QStringLiteral("strony")); }

    TempDir dir;
    std::unique_ptr<SystemyMainWindow> window;
};

// Counts the paints and the timer wakeups of whatever it watches.
struct EventCounter : QObject {
    int paints = 0;
    int timers = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest;
        timers += event->type() == QEvent::Timer;
        return false;
    }
};

// On the shipped history, with sets in the memory: each page shows its
// figures with no press, its headings whole at the window's default size,
// and the window idle afterwards costs (nearly) nothing.
TEST_F(SystemyPlayerGui, EveryPageShowsItsFiguresUnpressedAndTheIdleWindowCostsNothing) {
    PrepareWorkDir(dir);
    dir.Write("wyniki_kulko.txt", "3;7;12;20;33;41\r\n1;2;3;40;41;42\r\n");
    const auto start = std::chrono::steady_clock::now();
    Open();
    const std::pair<const char*, const char*> tables[] = {
        {"historia", "wyniki"}, {"filtry", "odrzuca"}, {"liczbyStrona", "liczby"}};
    for (const auto& [page, table] : tables) {
        QTableWidget* widget = Find<QTableWidget>(page, table);
        ASSERT_TRUE(QTest::qWaitFor([&] { return widget->rowCount() > 0; }, 300000)) << page;
        std::cout << "[ figures ] " << page << ": "
                  << std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count()
                  << " ms\n";
    }
    for (int tab = 0; tab < Tabs()->count(); ++tab) {
        Tabs()->setCurrentIndex(tab);
        QTest::qWait(50);
        for (QTableWidget* table : Tabs()->widget(tab)->findChildren<QTableWidget*>()) {
            const QHeaderView* header = table->horizontalHeader();
            for (int c = 0; c < table->columnCount(); ++c) {
                const QString heading = table->horizontalHeaderItem(c)->text();
                EXPECT_GE(header->sectionSize(c), header->fontMetrics().size(0, heading).width())
                    << table->objectName().toStdString() << ": " << heading.toStdString();
                for (int r = 0; r < table->rowCount(); ++r) {
                    EXPECT_GE(header->sectionSize(c),
                              table->fontMetrics().horizontalAdvance(table->item(r, c)->text()))
                        << table->item(r, c)->text().toStdString();
                }
            }
        }
    }

    // Every page's count ended and shown (the page "Wyniki" counts too).
    window->Run([this] { window->Window().WaitForCounts(); });
    QTest::qWait(300);  // what the last paint left
    // Idle, the window wakes about once a second to look at its files and
    // draws nothing. (Its share of a core is measured on the release build:
    // under the sanitizers one wakeup alone costs a millisecond.)
    EventCounter events;
    qApp->installEventFilter(&events);
    // The window's own event loop, not QTest's, which polls as it waits.
    QEventLoop idle;
    QTimer::singleShot(4000, &idle, &QEventLoop::quit);
    idle.exec();
    qApp->removeEventFilter(&events);
    EXPECT_EQ(events.paints, 0);
    EXPECT_LE(events.timers, 6);
}

// Counting every set takes a while: the window paints meanwhile, and the
// count can be stopped.
TEST_F(SystemyPlayerGui, ACountRunsOffTheWindowsThread) {
    dir.Write("kulko.txt", "1;01.01.2000;3;7;12;20;33;41\r\n2;08.01.2000;3;7;12;40;41;42\r\n");
    Open();
    Tabs()->setCurrentIndex(2);
    window->Window().filtersPage.WaitForCount();
    QTest::mouseClick(Find<QPushButton>("filtry", "policz"), Qt::LeftButton);
    auto* stop = Find<QPushButton>("filtry", "przerwij");
    ASSERT_TRUE(stop->isEnabled());
    EventCounter counter;
    QWidget* page = window->findChild<QWidget*>(QStringLiteral("filtry"));
    page->installEventFilter(&counter);
    page->update();
    QTest::qWait(20);
    EXPECT_GT(counter.paints, 0);
    EXPECT_TRUE(window->Window().filtersPage.postep.visible) << "the count ended too soon";
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_EQ(Find<QLabel>("filtry", "stan")->text().toStdString().find("Przerwano"), 0u);
    page->removeEventFilter(&counter);
}

TEST_F(SystemyPlayerGui, ASystemGoesStaleWhenTheNumbersChange) {
    Open();
    QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("wybrane")), "1-8");
    window->Window().systemPage.czas.text = "1";
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("rozpisz")), Qt::LeftButton);
    auto* store = window->findChild<QPushButton*>(QStringLiteral("doPamieci"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return store->isEnabled(); }, 10000));
    QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("liczba9")), Qt::LeftButton);
    EXPECT_FALSE(store->isEnabled());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("wynik"))->text().indexOf("NIEAKTUALNY"),
              0);
}

TEST_F(SystemyPlayerGui, ChoicesComeBackAfterARestartAndADamagedFileGivesDefaults) {
    Open();
    auto* first = window->findChild<QToolButton*>(QStringLiteral("liczba1"));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Right);  // the grid by keys: to 2, chosen by space
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // to 9
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    Tabs()->setCurrentIndex(3);
    window->close();
    window.reset();

    Open();
    EXPECT_EQ(Tabs()->currentIndex(), 3);
    EXPECT_TRUE(window->findChild<QToolButton*>(QStringLiteral("liczba2"))->isChecked());
    EXPECT_TRUE(window->findChild<QToolButton*>(QStringLiteral("liczba9"))->isChecked());
    window->close();
    window.reset();

    dir.Write("ustalenia_systemy.txt", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    Open();
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_FALSE(window->findChild<QToolButton*>(QStringLiteral("liczba2"))->isChecked());
}

// "Wyniki": a preview changes nothing, an import adds and the other pages
// count the new history at once, a refused list leaves it byte for byte.
TEST_F(SystemyPlayerGui, ResultsBroughtInFromTheWindow) {
    std::vector<std::string> lines = ReadAllLines(KULKO_SHIPPED_HISTORY);
    const std::string whole = JoinLinesCrLf(lines);
    lines.resize(lines.size() - 2);
    const std::string shorter = JoinLinesCrLf(lines);
    dir.Write("kulko.txt", shorter);
    Open();
    Tabs()->setCurrentIndex(4);
    window->Window().WaitForCounts();
    auto* source = Find<QLineEdit>("wynikiStrona", "zrodlo");
    auto* report = Find<QPlainTextEdit>("wynikiStrona", "raport");
    const auto press = [&](const char* name) {
        report->clear();
        QTest::mouseClick(Find<QPushButton>("wynikiStrona", name), Qt::LeftButton);
        return QTest::qWaitFor([&] { return !report->toPlainText().isEmpty(); }, 20000);
    };
    source->clear();
    QTest::keyClicks(source,
                     QString::fromStdString(std::string(KULKO_TEST_DATA) + "/wyniki/lista.txt"));
    ASSERT_TRUE(press("pokaz"));
    EXPECT_TRUE(report->toPlainText().startsWith(QStringLiteral("Losowań do dodania: 2\n")))
        << report->toPlainText().toStdString();
    EXPECT_EQ(dir.Read("kulko.txt"), shorter);

    ASSERT_TRUE(press("dodaj"));
    EXPECT_TRUE(report->toPlainText().startsWith(QStringLiteral("Dodano losowań: 2\n")));
    EXPECT_EQ(dir.Read("kulko.txt"), whole);
    EXPECT_EQ(dir.Read("kulko.txt.poprzednia"), shorter);
    auto* numbers = Find<QLabel>("liczbyStrona", "stan");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return numbers->text() == QStringLiteral("Policzono 7 297 losowań."); }, 20000))
        << numbers->text().toStdString();

    dir.Write("zle.txt", "7297. 06.01.2026 1,2,3,4,5,6\n");
    source->clear();
    QTest::keyClicks(source, QString::fromStdString((dir / "zle.txt").string()));
    ASSERT_TRUE(press("dodaj"));
    EXPECT_EQ(Find<QLabel>("wynikiStrona", "stan")->text().toStdString(),
              "Nic nie dodano: historia jest taka jak była.");
    EXPECT_EQ(dir.Read("kulko.txt"), whole);
}

// The toolkit's dialog in Polish, in the player's documents, with the whole
// suggested name in its field.
TEST_F(SystemyPlayerGui, TheSaveDialogSpeaksPolishAndStartsInTheDocuments) {
    ASSERT_TRUE(InstallToolkitPolish()) << "qt6-translations-l10n is not installed";
    const ScopedEnvironment home("HOME", dir.Path().string());
    const ScopedEnvironment config("XDG_CONFIG_HOME", (dir / "config").string());
    std::filesystem::create_directory(dir / "Documents");
    Open();
    QString folder;
    QString name;
    QStringList buttons;
    QTimer::singleShot(500, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        folder = dialog->directory().absolutePath();
        name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        for (const QAbstractButton* button : dialog->findChildren<QPushButton*>()) {
            buttons.append(button->text());
        }
        dialog->reject();
    });
    EXPECT_FALSE(window->AskSavePath("system_3z3_7_liczb.txt"));
    EXPECT_EQ(folder.toStdString(), (dir / "Documents").string());
    EXPECT_EQ(name.toStdString(), "system_3z3_7_liczb.txt");
    // The toolkit's Polish says "Zachowaj" where the program says "Zapisz".
    EXPECT_TRUE(buttons.contains(QStringLiteral("&Zachowaj")))
        << buttons.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("Anuluj")))
        << buttons.join(QLatin1Char('|')).toStdString();
}

}  // namespace
}  // namespace kulko::test
