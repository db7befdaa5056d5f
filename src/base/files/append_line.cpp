#include "files/append_line.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "files/disk_sync.hpp"
#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/read_some.hpp"
#include "files/regular_file.hpp"
#include "files/text_file.hpp"
#include "files/work_dir_lock.hpp"
#include "files/write_all.hpp"

namespace kulko {
namespace {

// Where the new line goes: the end of what the readers see.
struct InsertPoint {
    off_t offset = 0;
    char before = '\n';  // the byte before it; a line end at the start
    std::string rest;    // the bytes from the first Ctrl-Z to the end
};

// Reads the file once, looking for its first Ctrl-Z. Returns 0 or the
// error number.
int FindInsertPoint(int fd, InsertPoint& point) {
    char chunk[65536];
    for (;;) {
        const ssize_t got = ReadSome(fd, chunk, sizeof chunk);
        if (got < 0) {
            return errno;
        }
        if (got == 0) {
            return 0;
        }
        const auto size = static_cast<std::size_t>(got);
        if (!point.rest.empty()) {
            point.rest.append(chunk, size);
            continue;
        }
        if (const void* found = std::memchr(chunk, kCtrlZ, size); found != nullptr) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(found) - chunk);
            point.offset += static_cast<off_t>(at);
            if (at > 0) {
                point.before = chunk[at - 1];
            }
            point.rest.assign(chunk + at, size - at);
            continue;
        }
        point.offset += got;
        point.before = chunk[size - 1];
    }
}

// Takes the insert point from what a reader saw, when the open file is
// provably what it read and its text had no Ctrl-Z: then the text runs to
// the file's end and its last byte is known. False when the file must be
// read.
bool Trusted(int fd, const KnownTextEnd* known, InsertPoint& point) {
    struct stat info {};
    if (known == nullptr || known->ctrlZ || ::fstat(fd, &info) != 0 ||
        !known->identity.ProvesUnchanged(FileIdentity::Of(info))) {
        return false;
    }
    point.offset = info.st_size;
    point.before = known->lastByte;
    return true;
}

// What the last line needs before a new one can start: nothing after a LF,
// the LF of a CR LF pair after a lone CR, a whole CR LF otherwise.
std::string_view MissingLineEnd(char before) {
    if (before == '\n') {
        return {};
    }
    return before == '\r' ? "\n" : "\r\n";
}

// Writes the bytes where the point says, in one write when nothing follows:
// at the file's end as it is at that moment (the descriptor appends). Undoes
// a write that fails part-way, so that no half line stays behind: the bytes
// from a Ctrl-Z on go back where they were (the file had room for them) and
// what grew is cut off. Returns 0 or the error number.
int WriteAtInsertPoint(int fd, const InsertPoint& point, std::string_view bytes) {
    if (!point.rest.empty()) {
        const int error = WriteAllAt(fd, bytes, point.offset);
        if (error != 0) {
            WriteAllAt(fd, point.rest, point.offset);
            if (::ftruncate(fd, point.offset + static_cast<off_t>(point.rest.size())) != 0) {
                // Nothing more can be done; the write's error is what the user sees.
            }
        }
        return error;
    }
    struct stat before {};
    const int status = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &before) != 0 || status < 0 || ::fcntl(fd, F_SETFL, status | O_APPEND) != 0) {
        return errno;
    }
    const int error = WriteAll(fd, bytes);
    if (error != 0 && ::ftruncate(fd, before.st_size) != 0) {
        // As above: the write's error is what the user sees.
    }
    return error;
}

}  // namespace

void AppendLine(const std::filesystem::path& path, std::string_view text, AppendMode mode,
                const KnownTextEnd* known) {
    const WorkDirLock lock(DirectoryOf(path));
    const bool create = mode == AppendMode::CreateIfMissing && !FileExists(path);
    const int fd = OpenRegularFile(path, O_RDWR | (create ? O_CREAT : 0));
    InsertPoint point;
    int error = 0;
    if (!Trusted(fd, known, point)) {
        error = FindInsertPoint(fd, point);
    }
    if (error == 0) {
        std::string bytes(MissingLineEnd(point.before));
        bytes += text;
        bytes += "\r\n";
        bytes += point.rest;
        error = WriteAtInsertPoint(fd, point, bytes);
    }
    if (error == 0) {
        error = SyncFile(fd);
    }
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    if (error == 0 && create) {
        error = SyncDirectoryOf(path);
    }
    if (error != 0) {
        throw InOutError::FromErrno(error);
    }
}

}  // namespace kulko
