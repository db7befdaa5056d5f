#include "files/file_ops.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "files/append_line.hpp"
#include "files/in_out_error.hpp"
#include "support/temp_dir.hpp"

namespace kulko {
namespace {

// Lowers the file-size limit for the scope, so a write past it fails as on
// a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit old_{};
    sighandler_t previous_{};
};

TEST(FileOps, SafeReplaceWriteKeepsTheOldFileWhenTheWriteFails) {
    test::TempDir dir;
    dir.Write("settings.dat", "old content");
    {
        FileSizeLimit limit(4);
        EXPECT_THROW(SafeReplaceWrite(dir / "settings.dat", "much longer new content"), InOutError);
    }
    EXPECT_EQ(dir.Read("settings.dat"), "old content");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    SafeReplaceWrite(dir / "settings.dat", "new");
    EXPECT_EQ(dir.Read("settings.dat"), "new");
}

TEST(FileOps, AppendNeverLeavesHalfALine) {
    test::TempDir dir;
    // Growing at the end, and inserting before a Ctrl-Z with bytes after it.
    for (const char* old : {"1;2;3;4;5;6\r\n", "1;2\x1a;3;4\r\n"}) {
        dir.Write("log.txt", old);
        {
            FileSizeLimit limit(16);
            EXPECT_THROW(AppendLine(dir / "log.txt", "7;8;9;10;11;12", AppendMode::MustExist),
                         InOutError);
        }
        EXPECT_EQ(dir.Read("log.txt"), old);
    }
}

TEST(FileOps, AppendModesAndMissingFiles) {
    test::TempDir dir;
    try {
        AppendLine(dir / "log.txt", "x", AppendMode::MustExist);
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    AppendLine(dir / "mem.txt", "a", AppendMode::CreateIfMissing);
    AppendLine(dir / "mem.txt", "b", AppendMode::CreateIfMissing);
    EXPECT_EQ(dir.Read("mem.txt"), "a\r\nb\r\n");
    EXPECT_FALSE(DeleteFileIfAny(dir / "none"));
    EXPECT_TRUE(DeleteFileIfAny(dir / "mem.txt"));
    EXPECT_FALSE(FileExists(dir / "mem.txt"));
}

TEST(FileOps, ReplaceFileWithIsAtomicAndReportsFailure) {
    test::TempDir dir;
    dir.Write("kulko.txt", "old");
    dir.Write("kulko.bak", "new");
    ReplaceFileWith(dir / "kulko.txt", dir / "kulko.bak");
    EXPECT_EQ(dir.Read("kulko.txt"), "new");
    EXPECT_FALSE(dir.Exists("kulko.bak"));
    EXPECT_THROW(ReplaceFileWith(dir / "kulko.txt", dir / "kulko.bak"), InOutError);
    EXPECT_EQ(dir.Read("kulko.txt"), "new");
}

TEST(InOutError, MapsErrorNumbersToTheRuntimeTexts) {
    EXPECT_STREQ(InOutError::FromErrno(ENOENT).what(), "File not found");
    EXPECT_STREQ(InOutError::FromErrno(EACCES).what(), "File access denied");
    EXPECT_STREQ(InOutError::FromErrno(EROFS).what(), "File access denied");
    EXPECT_STREQ(InOutError::FromErrno(ENOSPC).what(), "Disk full");
    EXPECT_STREQ(InOutError::FromErrno(ENAMETOOLONG).what(), "Invalid filename");
    EXPECT_STREQ(InOutError::FromErrno(EMFILE).what(), "Too many open files");
    EXPECT_STREQ(InOutError::FromErrno(EIO).what(), "I/O error 5");
    EXPECT_STREQ(InOutError::ReadBeyondEnd().what(), "Read beyond end of file");
}

}  // namespace
}  // namespace kulko
