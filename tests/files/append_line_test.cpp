#include "files/append_line.hpp"

#include <gtest/gtest.h>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "support/file_size_limit.hpp"
#include "support/temp_dir.hpp"

namespace kulko {
namespace {

TEST(FileOps, AppendNeverLeavesHalfALine) {
    test::TempDir dir;
    // Growing at the end, and inserting before a Ctrl-Z with bytes after it.
    for (const char* old : {"1;2;3;4;5;6\r\n", "1;2\x1a;3;4\r\n"}) {
        dir.Write("log.txt", old);
        {
            test::FileSizeLimit limit(16);
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

}  // namespace
}  // namespace kulko
