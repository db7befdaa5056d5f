#include "files/in_out_error.hpp"

#include <gtest/gtest.h>

#include <cerrno>

namespace kulko {
namespace {

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
