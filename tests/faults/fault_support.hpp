#pragma once

// Helpers of the fault tests: scenarios that need a file-size limit or
// permission bits that really bite run in a forked child process, which
// reports back what it found; a working directory with every file a user has;
// and a snapshot of a directory to prove that nothing of it was lost.

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "support/temp_dir.hpp"

namespace kulko::test {

// What a child scenario found: every failed check with its text.
class ChildReport {
  public:
    void Check(bool holds, const std::string& what) {
        if (!holds) {
            failures_ += what + "\n";
        }
    }
    template <typename A, typename B>
    void Equal(const A& actual, const B& expected, const std::string& what) {
        if (!(actual == expected)) {
            failures_ +=
                what + ": got \"" + Text(actual) + "\", expected \"" + Text(expected) + "\"\n";
        }
    }
    const std::string& Failures() const { return failures_; }

  private:
    static std::string Text(const std::string& s) { return s; }
    static std::string Text(const char* s) { return s; }
    template <typename T>
    static std::string Text(const T& value) {
        return std::to_string(value);
    }
    std::string failures_;
};

struct ChildLimits {
    // Run as an unprivileged user, so that permission bits apply even when
    // the tests run as root (as CI does). The directory must be handed over
    // with HandOver first.
    bool unprivileged = false;
    // A soft limit on the size of written files (RLIMIT_FSIZE), with SIGXFSZ
    // ignored: a write beyond it fails part-way with EFBIG, as on a full disk.
    // The child may raise it again with LiftFileSizeLimit.
    std::optional<long> fileSizeLimit;
};

// Runs the scenario in a forked child with the limits. Returns an empty text
// when every check held; otherwise the failures, or how the child ended.
std::string RunInChild(const ChildLimits& limits,
                       const std::function<void(ChildReport&)>& scenario);

// Inside a child: a soft file-size limit (SIGXFSZ ignored), and the limit
// back to the hard one.
void SetFileSizeLimit(long bytes);
void LiftFileSizeLimit();

// Gives the directory and everything in it to the unprivileged user when the
// tests run as root; otherwise leaves it as it is.
void HandOver(const TempDir& dir);

// The text of the InOutError the call throws, or "" when it throws none.
std::string ErrorOf(const std::function<void()>& call);

// Every regular file below the directory with its bytes.
using DirSnapshot = std::map<std::string, std::string>;
DirSnapshot Snapshot(const TempDir& dir);

// The files a user of some standing has: a results file of 60 draws, the
// settings (both updates off, checking on), the first-run marker, the version
// note, a draw log, a memory file of two sets and both ledger files with
// entries.
void WriteUserFiles(const TempDir& dir);

// The results file of WriteUserFiles.
std::string SampleHistory();

}  // namespace kulko::test
