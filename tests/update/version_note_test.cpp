// The numeric reading of version notes.
#include <gtest/gtest.h>

#include "support/temp_dir.hpp"
#include "update/version_note.hpp"

namespace kulko::test {
namespace {

TEST(VersionNote, FirstLineReadAsADecimalNumber) {
    TempDir dir;
    struct Case {
        const char* bytes;
        double version;
    };
    const Case cases[] = {
        {"1.14\r\n", 1.14},
        {"1.2\r\n", 1.2},
        {"1.130\r\n", 1.13},
        {"   1.14\r\n", 1.14},
        {"1.13\r\n1.99\r\n2.0\r\n", 1.13},  // only the first line counts
        {"\r\n1.99\r\n", 0.0},              // an empty first line is 0
        {"", 0.0},
        {"1.14 \r\n", 0.0},  // nothing may follow the number
        {"1,14\r\n", 0.0},
        {"wersja 2\r\n", 0.0},
        {"2e0\r\n", 2.0},
    };
    for (const Case& c : cases) {
        dir.Write("kulko.ser", c.bytes);
        EXPECT_DOUBLE_EQ(ReadVersionNote(dir / "kulko.ser"), c.version) << c.bytes;
    }
}

TEST(VersionNote, ComparedAsNumbersNotAsText) {
    TempDir dir;
    dir.Write("kulko.wer", "1.13\r\n");
    struct Case {
        const char* server;
        bool newer;
    };
    const Case cases[] = {
        {"1.14\r\n", true},   {"1.13\r\n", false}, {"1.2\r\n", true},
        {"1.130\r\n", false}, {"1.9\r\n", true},   {"1.12\r\n", false},
    };
    for (const Case& c : cases) {
        dir.Write("kulko.ser", c.server);
        EXPECT_EQ(ServerVersionIsNewer(dir / "kulko.wer", dir / "kulko.ser"), c.newer) << c.server;
    }
}

}  // namespace
}  // namespace kulko::test
