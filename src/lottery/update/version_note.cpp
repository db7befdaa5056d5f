#include "update/version_note.hpp"

#include <string_view>

#include "files/text_file.hpp"
#include "text/real_number.hpp"

namespace kulko {

double ReadVersionNote(const std::filesystem::path& note) {
    TextReader reader(note);
    std::string_view first;
    if (!reader.ReadLine(first)) {
        first = {};
    }
    // The conversion's status is not looked at: anything else counts as 0.
    return TextToReal(first).value;
}

bool ServerVersionIsNewer(const std::filesystem::path& localNote,
                          const std::filesystem::path& serverNote) {
    const double running = ReadVersionNote(localNote);
    const double server = ReadVersionNote(serverNote);
    return server > running;
}

}  // namespace kulko
