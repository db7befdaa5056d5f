// A file the program writes that turns out to be a FIFO or a device: refused
// at once with "File access denied", never an open that waits for a reader
// or a set "stored" into /dev/null. Unprivileged and under an alarm, so that
// a writer that blocks ends the child, and one that would replace a device
// cannot.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "files/append_line.hpp"
#include "files/file_ops.hpp"
#include "faults/fault_support.hpp"

namespace kulko::test {
namespace {

namespace fs = std::filesystem;

TEST(FifoAndDeviceWritesTest, FifoAndDeviceAreRefusedAtOnceByEveryWriter) {
    TempDir dir;
    ::mkfifo((dir / "fifo").c_str(), 0600);
    fs::create_symlink("/dev/null", dir / "device");
    HandOver(dir);
    const std::string failures =
        RunInChild({.unprivileged = true, .fileSizeLimit = std::nullopt}, [&](ChildReport& report) {
            ::alarm(5);
            for (const std::string name : {"fifo", "device"}) {
                const fs::path file = dir / name;
                report.Equal(ErrorOf([&] { AppendLine(file, "1", AppendMode::MustExist); }),
                             "File access denied", name + " append");
                report.Equal(ErrorOf([&] { SafeReplaceWrite(file, "1"); }), "File access denied",
                             name + " replace");
                report.Equal(ErrorOf([&] { WriteNewFile(file, "1"); }), "File access denied",
                             name + " new file");
            }
            report.Check(fs::is_fifo(dir / "fifo") && fs::is_symlink(dir / "device"),
                         "the FIFO and the link stay");
        });
    EXPECT_EQ(failures, "");
}

}  // namespace
}  // namespace kulko::test
