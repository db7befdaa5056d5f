// The text file read a piece at a time gives the very lines the whole-file
// reader gives, wherever line ends, long lines and the end-of-file mark
// fall against the pieces.
#include "files/text_file_stream.hpp"

#include <gtest/gtest.h>

#include "files/text_file.hpp"
#include "support/temp_dir.hpp"

namespace kulko::test {
namespace {

constexpr std::size_t kPiece = std::size_t{1} << 20;

std::vector<std::string> StreamLines(const std::filesystem::path& file, std::uint64_t& end) {
    TextFileStream stream(file);
    std::vector<std::string> lines;
    for (std::string_view line; stream.ReadLine(line);) {
        lines.emplace_back(line);
    }
    end = stream.LinesEnd();
    return lines;
}

TEST(TextFileStream, GivesTheLinesOfTheWholeFileReaderAcrossItsPieces) {
    TempDir dir;
    const std::string filler(kPiece - 1, 'x');
    const std::string cases[] = {
        "",
        "0001;27.01.1957;8;12;31;39;43;45",
        "a\r\nb\nc\rd\r\n\r\ne",
        "a\rb\rc",
        filler + "\r\nnext\r\n",            // CR the last byte of a piece, LF the first of the next
        filler + "\rnot a line end\nnext",  // a lone CR there
        filler.substr(1) + "\r\r\r\nnext",
        std::string(3 * kPiece, 'y') + "\nafter a long line",
        "a\nb\x1a"
        "c\nd",
        filler + "\n" + filler +
            "\x1a"
            "after the mark\n",
        filler + "\r" +
            "\x1a"
            "\n",
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        dir.Write("plik.txt", bytes);
        std::uint64_t end = 0;
        EXPECT_EQ(StreamLines(dir / "plik.txt", end), ReadAllLines(dir / "plik.txt"));
        EXPECT_EQ(end, std::min(bytes.find('\x1a'), bytes.size()));
    }
}

}  // namespace
}  // namespace kulko::test
