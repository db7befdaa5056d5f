#include "systemy/page_history.hpp"

#include "files/in_out_error.hpp"
#include "files/work_files.hpp"

namespace kulko {

std::optional<DrawHistory> ReadPageHistory(const std::filesystem::path& workDir, TextField& stan) {
    DrawHistory history;
    std::error_code missing;
    if (!std::filesystem::exists(workDir / kResultsFile, missing)) {
        stan.text =
            "Nie ma jeszcze historii losowań: pobierz wyniki w Kulko albo dodaj je na stronie "
            "„Wyniki”, a strona policzy je sama.";
        return std::nullopt;
    }
    try {
        history = ReadDrawHistory(workDir / kResultsFile);
    } catch (const InOutError& error) {
        stan.text = std::string("Nie można odczytać pliku wyników: ") + error.what();
        return std::nullopt;
    }
    if (!history.damage.empty()) {
        stan.text = history.damage;
        return std::nullopt;
    }
    return history;
}

}  // namespace kulko
