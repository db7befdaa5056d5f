// The statistics over the whole results file: the frequency view and the
// number search.
#include <string>

#include "app/tgenerator.hpp"
#include "files/work_files.hpp"
#include "stats/frequency_view.hpp"
#include "stats/number_search.hpp"
#include "text/cp1250.hpp"

namespace kulko {

void Tgenerator::SpeedButton3Click() {
    // The drawn set gives way to the view; with Panel1 empty the timer keeps
    // "Do pamięci" disabled until the next draw.
    Panel1.caption.clear();
    Panel5.visible = false;
    Label3.caption.clear();
    screen_.RepaintNow();
    lista.items.Clear();
    lista.itemIndex = -1;
    lista.text.clear();
    ListBox1.items.Clear();
    ListBox1.itemIndex = -1;

    const NumberCounts counts = resultsCounts_.Count(File(kResultsFile));
    ListBox1.items.Assign(FrequencyLines(counts));
    ListBox1.itemIndex = 0;
    Label27.caption = "Częstość występowania liczb ";
    Place(panel6, 8, 40, 981, 565);
}

void Tgenerator::SpeedButton9Click() {
    // The file holds Windows-1250 bytes; the typed text is compared in that
    // form. A text with a character that form cannot hold occurs in no line.
    const std::string text = Utf8ToCp1250(wyniki_losowan.text);
    const bool representable = Cp1250ToUtf8(text) == wyniki_losowan.text;
    const std::size_t count = representable ? CountLinesContaining(File(kResultsFile), text) : 0;
    screen_.Inform("Podane liczby w całej bazie wyników wystąpiły " + std::to_string(count) +
                   " razy");
}

}  // namespace kulko
