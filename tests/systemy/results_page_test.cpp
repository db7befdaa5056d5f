// The page "Wyniki" through its toolkit-free class: it says what the
// results tool says, and changes the history exactly when the tool would.
#include "systemy/results_page.hpp"

#include <gtest/gtest.h>

#include "wyniki/tool_run.hpp"

namespace kulko::test {
namespace {

class ResultsPageTest : public ToolTest {
  protected:
    ResultsPageTest() { page.today = MakeDateKey(2026, 12, 8); }
    // What the page's report holds, as the tool prints it.
    std::string Report() const {
        std::string text;
        for (const std::string& line : page.raport.all) {
            text += line + "\n";
        }
        return text;
    }
    void Press(void (ResultsPage::*handler)()) {
        (page.*handler)();
        page.WaitForCount();
    }

    ResultsPage page{dir.Path()};
};

TEST_F(ResultsPageTest, APreviewChangesNothingAndAnImportAddsAsTheToolDoes) {
    const std::string history = ShippedWithout(2);
    dir.Write("kulko.txt", history);
    page.Start();
    page.WaitForCount();
    EXPECT_EQ(page.ostatnie.text.find("Ostatnie losowanie w historii: 01.01.2026, 341 dni temu"),
              0u)
        << page.ostatnie.text;

    const std::string list = Sample("lista.txt");
    const ToolRun trial = RunTool({"dodaj", list, "--proba", "--baza", Base()});
    page.zrodlo.text = " " + list;
    Press(&ResultsPage::PokazClick);
    EXPECT_EQ(Report(), trial.out + trial.err);
    EXPECT_TRUE(Unchanged(history));
    EXPECT_FALSE(dir.Exists("kulko.txt.poprzednia"));

    Press(&ResultsPage::DodajClick);
    EXPECT_TRUE(Unchanged(Shipped()));
    EXPECT_EQ(dir.Read("kulko.txt.poprzednia"), history);
    EXPECT_EQ(page.stan.text, "Gotowe.");
}

// An address goes through the window's fetch; when it fails, the history
// stays as it was.
TEST_F(ResultsPageTest, AddressesGoThroughTheWindowsFetch) {
    const std::string history = ShippedWithout(2);
    dir.Write("kulko.txt", history);
    page.zrodlo.text = "https://wyniki.example/lista.txt";
    page.fetch = [](const std::string&) { return FetchedInput{"", "brak połączenia"}; };
    Press(&ResultsPage::DodajClick);
    EXPECT_NE(Report().find("brak połączenia"), std::string::npos) << Report();
    EXPECT_TRUE(Unchanged(history));
    page.fetch = [](const std::string&) {
        return FetchedInput{ReadWholeFile(Sample("lista.txt")), ""};
    };
    Press(&ResultsPage::DodajClick);
    EXPECT_TRUE(Unchanged(Shipped()));
}

}  // namespace
}  // namespace kulko::test
