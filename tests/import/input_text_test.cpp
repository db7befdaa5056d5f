// What the tool does with input that is no results list, or that comes
// through a pipe: binary files are refused for what they are, lines are
// never echoed raw or whole, and a pipe is as good as a file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "wyniki/tool_run.hpp"

namespace kulko::test {
namespace {

using InputTextTest = ToolTest;

TEST_F(InputTextTest, BinaryInputIsRefusedForWhatItIs) {
    const std::string history = ShippedWithout(30);
    dir.Write("kulko.txt", history);
    const std::pair<std::string, const char*> cases[] = {
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20), "PNG"},
        {std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03\x1a\x0a\x33", 13), "gzip"},
        {std::string("Data;L1\r\n\x01\x02\x03\x1a", 13), "binarn"},
        // NULs in both halves of the byte pairs: no UTF-16 text.
        {std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0\x3e\0",
                     20),
         "program"},
        {std::string("\x01\0\0\0\x02\0\0\0\x03\0\0\0\x04\0\0\0", 16), "binarn"},
    };
    for (const auto& [bytes, named] : cases) {
        SCOPED_TRACE(named);
        const ToolRun run = Add({Input("lista.txt", bytes)});
        EXPECT_EQ(run.status, kToolBadInput) << run.out;
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
        EXPECT_TRUE(Unchanged(history));
    }
}

TEST_F(InputTextTest, ALineIsShownShortAndWithoutControlCharacters) {
    dir.Write("kulko.txt", ShippedWithout(30));
    const std::string lines[] = {
        "07.01.2026," + std::string(1 << 20, '7'),
        "\x1b]0;tytul\x07\x1b[31m07.01.2026;1;2;3\x1b[0m",
    };
    for (const std::string& line : lines) {
        const ToolRun run = Add({Input("lista.txt", line + "\n")});
        EXPECT_EQ(run.status, kToolBadInput);
        EXPECT_LT(run.err.size(), 400u) << run.err.substr(0, 400);
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x07'), std::string::npos) << run.err;
    }
}

TEST_F(InputTextTest, APipeIsInputButNeverTheHistory) {
    dir.Write("kulko.txt", ShippedWithout(30));
    const std::string fifo = (dir / "potok").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        // Waits up to five seconds for the tool to open its end.
        int fd = -1;
        for (int tries = 0; tries < 500 && fd < 0; ++tries) {
            fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd < 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        if (fd < 0 || ::fcntl(fd, F_SETFL, 0) != 0) {
            return;
        }
        const std::string list = ReadWholeFile(Sample("lista.txt"));
        EXPECT_EQ(::write(fd, list.data(), list.size()), static_cast<ssize_t>(list.size()));
        ::close(fd);
    });
    const ToolRun run = Add({fifo});
    writer.join();
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
    EXPECT_TRUE(Unchanged(Shipped()));

    const ToolRun check = RunTool({"sprawdz", "--baza", fifo});
    EXPECT_EQ(check.status, kToolBadInput);
}

}  // namespace
}  // namespace kulko::test
