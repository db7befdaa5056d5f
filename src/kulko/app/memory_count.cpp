// The memory count under the drawn set: "Pamięć N wyników".
#include "app/tgenerator.hpp"
#include "files/file_ops.hpp"
#include "files/text_file.hpp"
#include "files/work_files.hpp"

namespace kulko {

void Tgenerator::ShowMemoryCount() {
    Label1.caption.clear();
    if (!FileExists(File(kMemoryFile))) {
        return;
    }
    const std::size_t count = CountLines(File(kMemoryFile));
    Label1.caption = "Pamięć " + std::to_string(count) + " wyników";
}

}  // namespace kulko
