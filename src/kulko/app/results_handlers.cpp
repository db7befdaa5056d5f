// The results file as a list, and the renumbering of its draws.
#include <memory>
#include <string>

#include "app/tgenerator.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "results/renumbering.hpp"
#include "results/results_listing.hpp"

namespace kulko {

namespace {

// The listing's lines as the rows of the list box.
class ListingRows : public ItemRows {
  public:
    explicit ListingRows(const std::filesystem::path& resultsFile) : listing_(resultsFile) {}
    std::size_t Size() const override { return listing_.Size(); }
    std::string Row(std::size_t index) override { return listing_.Line(index); }
    std::uint64_t Revision() const override { return listing_.Generation(); }

  private:
    ResultsListing listing_;
};

}  // namespace

void Tgenerator::SpeedButton4Click() {
    ListBox1.items.Clear();
    ListBox1.itemIndex = -1;
    auto rows = std::make_unique<ListingRows>(File(kResultsFile));
    // The newest draw is the last line: select it so the list opens there.
    ListBox1.itemIndex = static_cast<int>(rows->Size()) - 1;
    ListBox1.items.Assign(std::move(rows));
    Label27.caption = "Baza wyników ";
    Place(panel6, 8, 40, 981, 565);
}

void Tgenerator::BitBtn4Click() {
    // A failed replacement throws: the error box shows instead of the notice
    // and the results file keeps its old content.
    {
        const WorkDirLock lock(workDir_, PaintWhileWaiting());
        RenumberResults(File(kResultsFile), File(kRenumberingScratch));
    }
    screen_.Inform("Nadano nową numerację bazie danych.");
}

}  // namespace kulko
