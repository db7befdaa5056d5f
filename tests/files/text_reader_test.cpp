// A text file read through the reader's window gives the very lines of its
// bytes read whole, wherever line ends, long lines and the end-of-file mark
// fall against the pieces; a line longer than the window is cut.
#include "files/text_reader.hpp"

#include <gtest/gtest.h>

#include "files/text_file.hpp"
#include "support/temp_dir.hpp"

namespace kulko::test {
namespace {

constexpr std::size_t kPiece = std::size_t{1} << 20;

std::vector<std::string> StreamLines(const std::filesystem::path& file, std::uint64_t& end) {
    TextReader stream(file);
    std::vector<std::string> lines;
    for (std::string_view line; stream.ReadLine(line);) {
        lines.emplace_back(line);
    }
    end = stream.TextEnd();
    return lines;
}

TEST(TextReader, GivesTheLinesOfTheWholeFileReaderAcrossItsPieces) {
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

using Lines = std::vector<std::string>;

Lines LinesOf(TextReader reader) {
    Lines lines;
    for (std::string_view line; reader.ReadLine(line);) {
        lines.emplace_back(line);
    }
    return lines;
}

// The lines of the whole pieces, cut by the same rules.
Lines PieceLines(TextReader reader) {
    Lines lines;
    for (std::string_view piece; reader.NextPiece(piece);) {
        while (!piece.empty()) {
            lines.emplace_back(TakeLine(piece));
        }
    }
    return lines;
}

// Every kind of line end and the end-of-file mark, moved one byte at a time
// across the seams of a small window: a file read through it gives the lines
// of the same bytes read whole, line by line and piece by piece.
TEST(TextReader, FollowsTheLineRulesAcrossEverySeam) {
    TempDir dir;
    constexpr std::size_t kSmallWindow = 16;
    const std::string bodies[] = {
        "a\r\nbb\rjunk\nccc\n\r\nd\r\r\ne\rf\ng",
        "a\r\nb\r\n",
        "a\rb\rc",
        "a\r\nb\r\x1a\nc\r\n",
        "a\nb\x1a"
        "c\nd",
        "ab\r",
    };
    for (const std::string& body : bodies) {
        for (std::size_t shift = 0; shift < 2 * kSmallWindow; ++shift) {
            const std::string bytes = std::string(shift, '\n') + body;
            SCOPED_TRACE(testing::PrintToString(bytes));
            dir.Write("plik.txt", bytes);
            const Lines whole = LinesOf(TextReader::FromBytes(bytes));
            const auto file = dir / "plik.txt";
            EXPECT_EQ(LinesOf(TextReader(file, kSmallWindow)), whole);
            EXPECT_EQ(PieceLines(TextReader(file, kSmallWindow)), whole);
            EXPECT_EQ(TextReader(file, kSmallWindow).CountLines(), whole.size());
        }
    }
}

// A line far longer than the window gives its first window of bytes, marked
// cut; its rest is skipped and the lines after it are read as usual. A line
// that just fits is not cut.
TEST(TextReader, CutsALineLongerThanItsWindow) {
    TempDir dir;
    constexpr std::size_t kSmallWindow = 64;
    const std::string fits(kSmallWindow, 'w');
    dir.Write("plik.txt", "first\r\n" + std::string(100000, 'y') + "\r\nafter\n" + fits + "\n" +
                              std::string(5000, 'z') + "\rhidden\nlast");
    TextReader reader(dir / "plik.txt", kSmallWindow);
    std::vector<std::pair<std::string, bool>> lines;
    for (std::string_view line; reader.ReadLine(line);) {
        lines.emplace_back(line, reader.LineCut());
    }
    const std::vector<std::pair<std::string, bool>> expected = {
        {"first", false}, {std::string(kSmallWindow, 'y'), true}, {"after", false},
        {fits, false},    {std::string(kSmallWindow, 'z'), true}, {"last", false}};
    EXPECT_EQ(lines, expected);

    // Piece by piece the long line is a piece of its own, no longer than the
    // window, and the next piece starts just after its LF.
    TextReader pieces(dir / "plik.txt", kSmallWindow);
    std::string_view piece;
    ASSERT_TRUE(pieces.NextPiece(piece));
    ASSERT_TRUE(pieces.NextPiece(piece));
    EXPECT_EQ(piece, std::string(kSmallWindow, 'y'));
    EXPECT_EQ(pieces.PieceEnd(), 7u + 100000 + 2);
    EXPECT_EQ(pieces.LastByte(), '\n');
    ASSERT_TRUE(pieces.NextPiece(piece));
    EXPECT_EQ(piece.substr(0, 6), "after\n");
    EXPECT_EQ(pieces.PieceOffset(), 7u + 100000 + 2);
}

}  // namespace
}  // namespace kulko::test
