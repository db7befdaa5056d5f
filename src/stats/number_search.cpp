#include "stats/number_search.hpp"

#include "files/file_ops.hpp"
#include "files/text_file.hpp"

namespace kulko {

std::size_t CountLinesContaining(const std::filesystem::path& resultsFile, std::string_view text) {
    if (text.empty() || !FileExists(resultsFile)) {
        return 0;
    }
    TextFileReader reader(resultsFile);
    std::size_t count = 0;
    std::string_view line;
    while (reader.ReadLine(line)) {
        if (line.find(text) != std::string_view::npos) {
            ++count;
        }
    }
    return count;
}

}  // namespace kulko
