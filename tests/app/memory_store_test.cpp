// "Do pamięci", "Czyść pamięć" and "Z pamięci".
#include <gtest/gtest.h>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

class MemoryStoreTest : public WindowTest {
  protected:
    void Draw(const std::string& set) {
        Window().PendingSetText = set;
        Window().Panel1.caption = set;
    }
};

TEST_F(MemoryStoreTest, StoreWithoutAFileCreatesItAndShowsTheCount) {
    Draw("3;11;19;27;35;43");
    Window().lista.items.Assign({"W zakładach 1;2;3;4;5;6 znaleziono 2"});
    Window().SpeedButton6Click();
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), "3;11;19;27;35;43\r\n");
    EXPECT_EQ(Window().Label1.caption, "Pamięć 1 wyników");
    EXPECT_EQ(Window().PendingSetText, "");
    EXPECT_EQ(Window().Panel1.caption, "");
    EXPECT_EQ(Window().lista.items.Size(), 1u);  // the check results stay
    EXPECT_EQ(screen.repaints, 1);
}

TEST_F(MemoryStoreTest, StoringTwiceKeepsBothSetsInOrder) {
    Draw("1;2;3;4;5;6");
    Window().SpeedButton6Click();
    Draw("7;8;9;10;11;12");
    Window().SpeedButton6Click();
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), Lines({"1;2;3;4;5;6", "7;8;9;10;11;12"}));
    EXPECT_EQ(Window().Label1.caption, "Pamięć 2 wyników");
}

TEST_F(MemoryStoreTest, EachStoredSetStaysALineOfItsOwn) {
    struct Case {
        const char* before;
        const char* after;
        const char* count;
    };
    const Case cases[] = {
        {"", "7;8\r\n", "Pamięć 1 wyników"},
        {"1;2\r\n", "1;2\r\n7;8\r\n", "Pamięć 2 wyników"},
        // Edited by hand: no line break at the end, or a bare CR.
        {"1;2", "1;2\r\n7;8\r\n", "Pamięć 2 wyników"},
        {"1;2\r", "1;2\r\n7;8\r\n", "Pamięć 2 wyników"},
        {"1;2\n", "1;2\n7;8\r\n", "Pamięć 2 wyników"},
    };
    for (const Case& c : cases) {
        dir.Write("wyniki_kulko.txt", c.before);
        Draw("7;8");
        Window().SpeedButton6Click();
        EXPECT_EQ(dir.Read("wyniki_kulko.txt"), c.after) << '"' << c.before << '"';
        EXPECT_EQ(Window().Label1.caption, c.count) << '"' << c.before << '"';
    }
}

TEST_F(MemoryStoreTest, StoringNothingPendingWritesAnEmptyLine) {
    Window().SpeedButton6Click();
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), "\r\n");
    EXPECT_EQ(Window().Label1.caption, "Pamięć 1 wyników");
}

TEST_F(MemoryStoreTest, AFailedStoreKeepsTheSetPending) {
    std::filesystem::create_directory(dir / "wyniki_kulko.txt");
    Draw("1;2;3;4;5;6");
    EXPECT_THROW(Window().SpeedButton6Click(), InOutError);
    EXPECT_EQ(Window().PendingSetText, "1;2;3;4;5;6");
    EXPECT_EQ(Window().Panel1.caption, "1;2;3;4;5;6");
}

// Storing repaints before it writes, so the marks of the drawn set vanish
// while the set is kept; clearing and opening repaint after their work.
class RecordingScreen : public FakeScreen {
  public:
    explicit RecordingScreen(std::filesystem::path file) : file_(std::move(file)) {}
    void RepaintNow() override {
        FakeScreen::RepaintNow();
        fileAtRepaint.push_back(FileExists(file_));
    }
    std::vector<bool> fileAtRepaint;

  private:
    std::filesystem::path file_;
};

TEST(MemoryRepaints, StoreRepaintsFirstAndClearRepaintsLast) {
    TempDir dir;
    RecordingScreen screen(dir / "wyniki_kulko.txt");
    FakeSystem system;
    Tgenerator window(dir.Path(), screen, system, "updates.test");
    window.SpeedButton6Click();
    screen.answers = {true};
    window.SpeedButton5Click();
    EXPECT_EQ(screen.fileAtRepaint, (std::vector<bool>{false, false}));
}

TEST_F(MemoryStoreTest, ClearAnsweredNoChangesNothing) {
    dir.Write("wyniki_kulko.txt", Lines({"1;2;3;4;5;6"}));
    Window().Label1.caption = "Pamięć 1 wyników";
    Window().SpeedButton5Click();
    EXPECT_EQ(screen.questions, std::vector<std::string>{"Skasować pamięć wyników ?"});
    EXPECT_TRUE(dir.Exists("wyniki_kulko.txt"));
    EXPECT_EQ(Window().Label1.caption, "Pamięć 1 wyników");
    EXPECT_EQ(screen.repaints, 1);
}

TEST_F(MemoryStoreTest, ClearAnsweredYesDeletesTheFileAndKeepsTheShownSet) {
    for (const bool withFile : {true, false}) {
        if (withFile) {
            dir.Write("wyniki_kulko.txt", Lines({"1;2;3;4;5;6"}));
        }
        Draw("2;4;6;8;10;12");
        Window().Label1.caption = "Pamięć 1 wyników";
        screen.answers = {true};
        Window().SpeedButton5Click();
        EXPECT_FALSE(dir.Exists("wyniki_kulko.txt"));
        EXPECT_EQ(Window().Label1.caption, "");
        EXPECT_EQ(Window().PendingSetText, "2;4;6;8;10;12");
        EXPECT_EQ(Window().Panel1.caption, "2;4;6;8;10;12");
        EXPECT_TRUE(screen.notices.empty());
    }
    // The set shown is still stored after the clear.
    Window().SpeedButton6Click();
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), Lines({"2;4;6;8;10;12"}));
}

TEST_F(MemoryStoreTest, OpenHandsTheFileToTheTextEditorAndRepaints) {
    Window().SpeedButton7Click();
    EXPECT_EQ(system.opened, std::vector<std::string>{"wyniki_kulko.txt"});
    EXPECT_EQ(screen.repaints, 1);
    EXPECT_FALSE(dir.Exists("wyniki_kulko.txt"));
}

TEST_F(MemoryStoreTest, OpenWithNoEditorNamesTheFullPathInAnInformationBox) {
    Window().SpeedButton7Click();
    EXPECT_TRUE(screen.notices.empty());

    system.editorStarts = false;
    const std::string box =
        "Nie udało się uruchomić edytora tekstu.\r"
        "Plik pamięci można otworzyć w dowolnym edytorze:\r";
    Window().SpeedButton7Click();
    EXPECT_EQ(screen.notices, std::vector<std::string>{box + (dir / "wyniki_kulko.txt").string()});
    EXPECT_EQ(screen.repaints, 2);
    // The program runs in its directory given as "."; the box still names
    // the file whole.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    Tgenerator here(".", screen, system);
    here.SpeedButton7Click();
    std::filesystem::current_path(before);
    EXPECT_EQ(screen.notices.back(),
              box + (std::filesystem::canonical(dir.Path()) / "wyniki_kulko.txt").string());
}

}  // namespace
}  // namespace kulko::test
