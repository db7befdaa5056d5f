// The window of kulko-systemy on the offscreen platform: pick numbers,
// build the system, keep it in the memory; and the printout as a PDF.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPdfWriter>
#include <QPushButton>
#include <QTabWidget>
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
