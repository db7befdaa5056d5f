#include "files/file_ops.hpp"

#include <gtest/gtest.h>

#include "files/in_out_error.hpp"
#include "support/file_size_limit.hpp"
#include "support/temp_dir.hpp"

namespace kulko {
namespace {

TEST(FileOps, SafeReplaceWriteKeepsTheOldFileWhenTheWriteFails) {
    test::TempDir dir;
    dir.Write("settings.dat", "old content");
    {
        test::FileSizeLimit limit(4);
        EXPECT_THROW(SafeReplaceWrite(dir / "settings.dat", "much longer new content"), InOutError);
    }
    EXPECT_EQ(dir.Read("settings.dat"), "old content");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    SafeReplaceWrite(dir / "settings.dat", "new");
    EXPECT_EQ(dir.Read("settings.dat"), "new");
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

}  // namespace
}  // namespace kulko
