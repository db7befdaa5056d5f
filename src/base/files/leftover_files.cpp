#include "files/leftover_files.hpp"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>

#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"

namespace kulko {
namespace {

// The process id of "<pid>-<counter>", or 0 when the text is not of that form.
pid_t WriterOf(std::string_view suffix) {
    const std::size_t dash = suffix.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == suffix.size() || dash > 9 ||
        suffix.find_first_not_of("0123456789-") != std::string_view::npos ||
        suffix.find('-', dash + 1) != std::string_view::npos) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(suffix.substr(0, dash))));
}

bool IsGone(pid_t pid) {
    return pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A temporary file of a file of the program whose writer no longer runs.
bool IsLeftover(std::string_view name) {
    for (std::string_view file : kReplacedFiles) {
        const std::string prefix = std::string(file) + kTemporaryTag;
        if (name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix) {
            return IsGone(WriterOf(name.substr(prefix.size())));
        }
    }
    return false;
}

}  // namespace

void RemoveLeftoverFiles(const std::filesystem::path& dir) {
    const WorkDirLock lock(dir);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(dir, error), end; !error && entry != end;
         entry.increment(error)) {
        if (IsLeftover(entry->path().filename().string())) {
            ::unlink(entry->path().c_str());
        }
    }
    // While the lock is held no renumbering is under way: a scratch file is
    // what one that was cut short left.
    ::unlink((dir / kRenumberingScratch).c_str());
}

}  // namespace kulko
