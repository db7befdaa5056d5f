// The page "System skrócony": what the player does with the tickets, and
// the stake.
#include <unordered_set>

#include "analyses/set_list.hpp"
#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/text_file.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "memory/memory_file.hpp"
#include "systemy/stake.hpp"
#include "systemy/system_page.hpp"
#include "text/polish_text.hpp"
#include "wheels/number_choice.hpp"

namespace kulko {
namespace {

std::string TicketsCount(std::size_t n) {
    return Counted(n, "zakład", "zakłady", "zakładów");
}

}  // namespace

std::vector<std::string> SystemPage::TicketLines() const {
    std::vector<std::string> lines;
    if (shown_ && !stale_) {
        for (const NumberBits ticket : shown_->tickets) {
            lines.push_back(NumberBitsText(ticket));
        }
    }
    return lines;
}

void SystemPage::DoPamieciClick() {
    const std::vector<std::string> lines = TicketLines();
    if (lines.empty()) {
        return;
    }
    // One append for the whole system, through the store of the main
    // window: all tickets are kept, or none.
    std::string text = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        text += "\r\n" + lines[i];
    }
    // Stored twice, a ticket would be counted twice by "Sprawdź": the
    // player says whether that is meant.
    if (const std::size_t there = TicketsInMemory(); there != 0) {
        const std::string question =
            there == lines.size() ? "Wszystkie zakłady tego systemu (" + TicketsCount(there) +
                                        ") są już w pamięci. Dopisać je jeszcze raz?"
                                  : "Z " + WithThousands(lines.size()) + " zakładów tego systemu " +
                                        WithThousands(there) +
                                        " jest już w pamięci. Dopisać cały system jeszcze raz?";
        if (!screen_.Ask(question)) {
            stan.text = "Nic nie dopisano do pamięci.";
            return;
        }
    }
    const WorkDirLock lock(workDir_, PaintWhileWaiting());
    StoreSetLine(workDir_ / kMemoryFile, text);
    stan.text = "Dopisano do pamięci " + TicketsCount(lines.size()) + " (" + kMemoryFile +
                "); „Sprawdź” w Kulko policzy ich trafienia.";
}

void SystemPage::ZapiszClick() {
    const std::vector<std::string> lines = TicketLines();
    if (lines.empty()) {
        return;
    }
    const std::string suggested = "system_" + GuaranteeKey(shownGuarantee_) + "_" +
                                  std::to_string(CountBits(shownNumbers_)) + "_liczb.txt";
    const std::optional<std::filesystem::path> path = screen_.AskSavePath(suggested);
    if (!path) {
        return;
    }
    SafeReplaceWrite(*path, JoinLinesCrLf(lines));
    stan.text = "Zapisano " + TicketsCount(lines.size()) + " w pliku " + path->string() + ".";
}

void SystemPage::KopiujClick() {
    const std::vector<std::string> lines = TicketLines();
    if (lines.empty()) {
        return;
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    screen_.CopyToClipboard(text);
    stan.text = "Skopiowano do schowka " + TicketsCount(lines.size()) + ".";
}

std::size_t SystemPage::TicketsInMemory() const {
    std::unordered_set<NumberBits> stored;
    try {
        for (const NumberSet& set : SetsOfFile(workDir_ / kMemoryFile).sets) {
            NumberBits bits = 0;
            for (const int n : set) {
                bits |= Bit(n);
            }
            stored.insert(bits);
        }
    } catch (const InOutError&) {
        return 0;  // the store itself then says what is wrong
    }
    std::size_t there = 0;
    for (const NumberBits ticket : shown_->tickets) {
        there += stored.count(ticket);
    }
    return there;
}

void SystemPage::DrukujClick() {
    if (!shown_ || stale_) {
        return;
    }
    PrintedSystem document;
    document.title = shownGuarantee_.Full() ? "Pełny system"
                                            : "System skrócony " + GuaranteeName(shownGuarantee_);
    document.heading = {
        "Gwarancja: " + GuaranteeName(shownGuarantee_) + " – " + GuaranteeMeaning(shownGuarantee_),
        "Wybrane liczby (" + std::to_string(CountBits(shownNumbers_)) +
            "): " + NumberBitsText(shownNumbers_),
        "Zakładów: " + WithThousands(shown_->tickets.size())};
    document.lines = zaklady.all;
    if (screen_.Print(document)) {
        stan.text = "Wysłano do druku " + TicketsCount(shown_->tickets.size()) + ".";
    }
}

void SystemPage::StakeTyped() {
    ShowCost();
}

void SystemPage::StakeConfirmed() {
    if (stawka.text != savedStake_) {
        const WorkDirLock lock(workDir_, PaintWhileWaiting());
        SaveStake(workDir_ / kStakeFile, stawka.text);
        savedStake_ = stawka.text;
    }
}

}  // namespace kulko
