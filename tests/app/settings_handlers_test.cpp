// "Ustaw", "Zastosuj" and "Zamknij okno": the three settings read, shown
// and stored, one byte a file.
#include <gtest/gtest.h>

#include "files/in_out_error.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

class SettingsTest : public WindowTest {
  protected:
    void SetUp() override { dir.Write("kulko.txt", ""); }
};

TEST_F(SettingsTest, EachStoredCombinationSelectsItsButtonsAndTexts) {
    for (int mask = 0; mask < 8; ++mask) {
        TempDir d;
        d.Write("kulko.txt", "");
        const bool db = mask & 1, prog = mask & 2, check = mask & 4;
        d.Write("ustalenia_kulko.dat", std::string(1, db));
        d.Write("ustalenia_kulko_apli.dat", std::string(1, prog));
        d.Write("ustalenia_kulko_kontrola.dat", std::string(1, check));
        FakeSystem offline;
        Tgenerator w(d.Path(), screen, offline, "updates.test");
        w.FormCreate();
        EXPECT_EQ(w.akt1.checked, db);
        EXPECT_EQ(w.akt2.checked, !db);
        EXPECT_EQ(w.akt3.checked, prog);
        EXPECT_EQ(w.akt4.checked, !prog);
        EXPECT_EQ(w.kontrola1.checked, check);
        EXPECT_FALSE(w.Panel3.visible);
        EXPECT_EQ(w.Label23.caption,
                  db ? "Aktualizacje baz włączone" : "Aktualizacje baz wyłączone");
        EXPECT_EQ(w.Label25.caption,
                  prog ? "Aktualizacje programu włączone" : "Aktualizacje programu wyłączone");
        EXPECT_EQ(w.Label24.caption,
                  check ? "Struktura bazy wynikow prawidłowa" : "Kontrola baz wyłączona");
        // Only the updates that are on ask for the connection.
        EXPECT_EQ(offline.connectionQueries, (db ? 1 : 0) + (prog ? 1 : 0));
    }
}

TEST_F(SettingsTest, ByteOtherThanZeroOrOneChangesNothing) {
    WriteSettings(2, '\xff', 0);
    Tgenerator& w = Start();
    EXPECT_TRUE(w.akt1.checked);  // the default stays, so the update still runs
    EXPECT_TRUE(w.akt3.checked);
    EXPECT_EQ(w.Label23.caption, "");
    EXPECT_EQ(w.Label25.caption, "");
    EXPECT_EQ(system.connectionQueries, 2);
}

TEST_F(SettingsTest, OnlyTheFirstByteIsRead) {
    dir.Write("ustalenia_kulko.dat", std::string("\0\1", 2));
    dir.Write("ustalenia_kulko_apli.dat", std::string(1, 0));
    dir.Write("ustalenia_kulko_kontrola.dat", std::string(1, 1));
    EXPECT_TRUE(Start().akt2.checked);
}

TEST_F(SettingsTest, TwoOfThreeFilesLoadNothingAndUstawStopsAtTheMissingOne) {
    dir.Write("ustalenia_kulko.dat", std::string(1, 0));
    dir.Write("ustalenia_kulko_kontrola.dat", std::string(1, 0));
    Tgenerator& w = Start();
    EXPECT_TRUE(w.akt1.checked);
    EXPECT_TRUE(w.Panel3.visible);
    w.Panel3.visible = false;
    try {
        w.SpeedButton12Click();
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_TRUE(w.akt2.checked);
    EXPECT_EQ(w.Label23.caption, "Aktualizacje wyłączone");
    EXPECT_TRUE(w.kontrola1.checked);  // after the missing file: untouched
    EXPECT_FALSE(w.Panel3.visible);
}

TEST_F(SettingsTest, ZastosujStoresOneByteEachAndUstawUsesItsOwnTexts) {
    dir.Write("ustalenia_kulko.dat", "long old content");
    Tgenerator& w = Start();
    w.Select(w.akt2);
    w.Select(w.kontrola2);
    w.BitBtn1Click();
    EXPECT_EQ(dir.Read("ustalenia_kulko.dat"), std::string(1, 0));
    EXPECT_EQ(dir.Read("ustalenia_kulko_apli.dat"), std::string(1, 1));
    EXPECT_EQ(dir.Read("ustalenia_kulko_kontrola.dat"), std::string(1, 0));
    EXPECT_EQ(w.Label23.caption, "Aktualizacje baz wyłączone");
    EXPECT_EQ(w.Label24.caption, "Kontrola baz wyłączona");
    EXPECT_TRUE(w.Panel3.visible);  // the panel stays open

    w.SpeedButton12Click();
    EXPECT_EQ(w.Label23.caption, "Aktualizacje wyłączone");
    EXPECT_EQ(w.Label25.caption, "Aktualizacje programu włączone");
    EXPECT_EQ(w.Panel3.bounds, (Bounds{218, 122, 425, 279}));

    // Changes dropped by "Zamknij okno" come back at the next "Ustaw".
    w.Select(w.akt1);
    w.BitBtn2Click();
    EXPECT_FALSE(w.Panel3.visible);
    w.SpeedButton12Click();
    EXPECT_TRUE(w.akt2.checked);
    EXPECT_TRUE(w.Panel3.visible);
}

}  // namespace
}  // namespace kulko::test
