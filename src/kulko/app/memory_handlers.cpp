// The memory of sets: storing the drawn set, clearing the memory, opening it
// in the text editor, and checking the kept sets against typed numbers.
#include <filesystem>
#include <string>
#include <vector>

#include "app/tgenerator.hpp"
#include "files/file_ops.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "memory/memory_file.hpp"
#include "memory/set_check.hpp"
#include "text/cp1250.hpp"

namespace kulko {

void Tgenerator::SpeedButton5Click() {
    if (screen_.Ask("Skasować pamięć wyników ?")) {
        const WorkDirLock lock(workDir_, PaintWhileWaiting());
        // A missing or locked file is not worth a message: the memory is
        // simply gone or stays. When it stays, its count stays shown too,
        // so the window never claims an empty memory that still holds sets.
        DeleteFileIfAny(File(kMemoryFile));
        if (!FileExists(File(kMemoryFile))) {
            Label1.caption.clear();
        }
    }
    screen_.RepaintNow();
}

void Tgenerator::SpeedButton6Click() {
    // The repaint wipes the marks of the set just drawn, before it is kept.
    screen_.RepaintNow();
    const WorkDirLock lock(workDir_, PaintWhileWaiting());
    StoreSetLine(File(kMemoryFile), Utf8ToCp1250(PendingSetText));
    // Each drawn set is kept once: the empty caption disables the button
    // until the next draw.
    Panel1.caption.clear();
    PendingSetText.clear();
    ShowMemoryCount();
}

void Tgenerator::SpeedButton7Click() {
    // Named whole, so that the player can open it by hand when no program can.
    std::error_code error;
    std::filesystem::path memory = std::filesystem::absolute(File(kMemoryFile), error);
    memory = error ? File(kMemoryFile) : memory.lexically_normal();
    if (!system_.OpenInTextEditor(memory)) {
        screen_.Inform(
            "Nie udało się uruchomić edytora tekstu.\r"
            "Plik pamięci można otworzyć w dowolnym edytorze:\r" +
            memory.string());
    }
    screen_.RepaintNow();
}

void Tgenerator::SpeedButton8Click() {
    screen_.RepaintNow();
    lista.items.Clear();
    lista.itemIndex = -1;
    lista.text.clear();
    std::vector<std::string> results;
    for (const CheckedSet& set : CheckMemoryFile(File(kMemoryFile), wyniki_losowan.text)) {
        results.push_back("W zakładach " + Cp1250ToUtf8(set.storedLine) + " znaleziono " +
                          std::to_string(set.hits));
    }
    lista.items.Assign(std::move(results));
    // The first result shows in the closed drop-down.
    if (!lista.items.Empty()) {
        lista.itemIndex = 0;
        lista.text = lista.items[0];
    }
}

}  // namespace kulko
