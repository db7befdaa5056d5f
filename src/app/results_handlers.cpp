// The results file as a list, and the renumbering of its draws.
#include <string>
#include <vector>

#include "app/tgenerator.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "results/renumbering.hpp"
#include "results/results_listing.hpp"

namespace kulko {

void Tgenerator::SpeedButton4Click() {
    ListBox1.items.Clear();
    ListBox1.itemIndex = -1;
    std::vector<std::string> lines = ReadResultsListing(File(kResultsFile));
    // The newest draw is the last line: select it so the list opens there.
    ListBox1.itemIndex = static_cast<int>(lines.size()) - 1;
    ListBox1.items.Assign(std::move(lines));
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
