#include "files/text_file.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/in_out_error.hpp"
#include "support/temp_dir.hpp"

namespace kulko {
namespace {

std::vector<std::string> LinesOf(std::string bytes) {
    TextReader reader = TextReader::FromBytes(std::move(bytes));
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(TextReader, FollowsTheLineRules) {
    EXPECT_EQ(LinesOf(""), Lines{});
    EXPECT_EQ(LinesOf("a\r\nb\r\n"), (Lines{"a", "b"}));  // no empty last line
    EXPECT_EQ(LinesOf("a\r\nb"), (Lines{"a", "b"}));      // last line without its end
    EXPECT_EQ(LinesOf("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(LinesOf("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    // A CR ends the text; everything up to and including the next LF is skipped.
    EXPECT_EQ(LinesOf("a\rjunk\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(LinesOf("a\rb\rc"), (Lines{"a"}));  // no LF follows: the rest is skipped
    // Ctrl-Z ends the file.
    EXPECT_EQ(LinesOf("a\r\nb\x1a\r\nc\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(LinesOf("\x1a"), Lines{});
    EXPECT_EQ(LinesOf(std::string("a\0b\r\n", 5)), (Lines{std::string("a\0b", 3)}));
}

TEST(TextReader, ReadsAHugeLineWithoutLineEnds) {
    const std::string big(10 * 1024 * 1024, '7');
    const Lines lines = LinesOf(big);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), big.size());
}

TEST(TextReader, MissingFileAndDirectoryRaiseTheRuntimeTexts) {
    test::TempDir dir;
    try {
        TextReader reader(dir / "missing.txt");
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    std::filesystem::create_directory(dir / "folder");
    EXPECT_THROW(TextReader(dir / "folder"), InOutError);
}

TEST(TextReader, CountsAndReadsFilesOnDisk) {
    test::TempDir dir;
    dir.Write("f.txt", "1\r\n2\r\n3");
    EXPECT_EQ(CountLines(dir / "f.txt"), 3u);
    EXPECT_EQ(ReadAllLines(dir / "f.txt"), (Lines{"1", "2", "3"}));
    EXPECT_EQ(JoinLinesCrLf({"x", "y"}), "x\r\ny\r\n");
}

}  // namespace
}  // namespace kulko
