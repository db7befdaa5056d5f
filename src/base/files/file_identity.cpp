#include "files/file_identity.hpp"

#include <cerrno>

#include "files/in_out_error.hpp"

namespace kulko {
namespace {

constexpr std::time_t kRacySeconds = 2;

bool Same(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// True when `time` lies less than two seconds before `now` (or after it: a
// clock set back makes every stamp suspect).
bool Recent(const timespec& time, const timespec& now) {
    const std::time_t seconds = now.tv_sec - time.tv_sec;
    return seconds < kRacySeconds || (seconds == kRacySeconds && now.tv_nsec < time.tv_nsec);
}

timespec Now() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

}  // namespace

FileIdentity FileIdentity::FromStat(const struct stat& info, const timespec& now) {
    FileIdentity identity;
    identity.device_ = info.st_dev;
    identity.inode_ = info.st_ino;
    identity.size_ = static_cast<std::uint64_t>(info.st_size < 0 ? 0 : info.st_size);
    identity.modified_ = info.st_mtim;
    identity.changed_ = info.st_ctim;
    identity.racy_ = Recent(info.st_mtim, now) || Recent(info.st_ctim, now);
    return identity;
}

FileIdentity FileIdentity::Of(const struct stat& info) {
    return FromStat(info, Now());
}

FileIdentity FileIdentity::Of(int fd) {
    // The moment is taken before the look: a change in between then counts
    // as recent rather than as old.
    const timespec now = Now();
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        throw InOutError::FromErrno(errno);
    }
    return FromStat(info, now);
}

bool FileIdentity::OfPath(const char* path, FileIdentity& identity) {
    const timespec now = Now();
    struct stat info {};
    if (::stat(path, &info) != 0) {
        return false;
    }
    identity = FromStat(info, now);
    return true;
}

FileIdentity IdentityOf(const std::filesystem::path& path) {
    FileIdentity identity;
    if (!FileIdentity::OfPath(path.c_str(), identity)) {
        throw InOutError::FromErrno(errno);
    }
    return identity;
}

bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return a.device_ == b.device_ && a.inode_ == b.inode_ && a.size_ == b.size_ &&
           Same(a.modified_, b.modified_);
}

bool FileIdentity::ProvesUnchanged(const FileIdentity& now) const {
    return !racy_ && device_ == now.device_ && inode_ == now.inode_ && size_ == now.size_ &&
           Same(modified_, now.modified_) && Same(changed_, now.changed_);
}

bool FileIdentity::GrewInto(const FileIdentity& now) const {
    return SameFile(now) && now.size_ > size_;
}

}  // namespace kulko
