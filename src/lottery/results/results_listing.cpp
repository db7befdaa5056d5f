#include "results/results_listing.hpp"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/in_out_error.hpp"
#include "files/read_some.hpp"
#include "files/text_reader.hpp"
#include "text/cp1250.hpp"

namespace kulko {
namespace {

// Bytes read at once for the lines a list shows: many screens of lines.
constexpr std::size_t kShownBlock = std::size_t{64} << 10;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A line's text: up to its first CR or LF.
std::string ShownText(std::string_view span) {
    const std::string_view line = TakeLine(span);
    // Results lines are plain ASCII as a rule; those need no conversion.
    return IsAscii(line) ? std::string(line) : Cp1250ToUtf8(line);
}

}  // namespace

void LineStarts::Clear() {
    low_.clear();
    highSteps_.clear();
}

void LineStarts::Add(std::uint64_t offset) {
    while ((offset >> 32) > highSteps_.size()) {
        highSteps_.push_back(low_.size());
    }
    low_.push_back(static_cast<std::uint32_t>(offset));
}

std::uint64_t LineStarts::operator[](std::size_t line) const {
    const auto high = static_cast<std::uint64_t>(
        std::upper_bound(highSteps_.begin(), highSteps_.end(), line) - highSteps_.begin());
    return (high << 32) | low_[line];
}

void LineStarts::Fit() {
    if (low_.capacity() > low_.size() + low_.size() / 8) {
        low_.shrink_to_fit();
    }
}

ResultsListing::ResultsListing(const std::filesystem::path& resultsFile) : file_(resultsFile) {
    List(file_.OpenedIdentity());
}

void ResultsListing::List(const FileIdentity& identity) {
    starts_.Clear();
    text_.clear();
    block_.clear();
    identity_ = identity;
    held_ = identity_.Racy();
    if (held_) {
        text_.reserve(static_cast<std::size_t>(identity_.Size()));
    }
    TextReader reader(file_.Fd(), 0, identity.Size());
    std::string_view piece;
    while (reader.NextPiece(piece)) {
        const std::uint64_t offset = reader.PieceOffset();
        if (starts_.Size() == 0) {
            // As many lines as the first piece suggests, so the offsets are
            // not copied as they grow.
            const std::size_t lines = CountTextLines(piece);
            starts_.Reserve(static_cast<std::size_t>(static_cast<double>(identity_.Size()) /
                                                     static_cast<double>(piece.size()) *
                                                     static_cast<double>(lines) * 1.02) +
                            16);
        }
        if (held_) {
            // The skipped rest of a line longer than the reader's window is
            // never shown: line ends stand in for it, so that the offsets
            // stay those of the file.
            text_.append(piece);
            text_.append(static_cast<std::size_t>(reader.PieceEnd() - offset) - piece.size(), '\n');
        }
        starts_.Add(offset);
        const char* const begin = piece.data();
        const char* const last = begin + piece.size() - 1;
        for (const char* at = begin; at < last;) {
            const void* lf = std::memchr(at, '\n', static_cast<std::size_t>(last - at));
            if (lf == nullptr) {
                break;
            }
            at = static_cast<const char*>(lf) + 1;
            starts_.Add(offset + static_cast<std::uint64_t>(at - begin));
        }
    }
    textEnd_ = reader.TextEnd();
    starts_.Fit();
}

std::string_view ResultsListing::Span(std::size_t index) {
    const std::uint64_t start = starts_[index];
    const std::uint64_t limit = index + 1 < starts_.Size() ? starts_[index + 1] : textEnd_;
    // Of a line longer than the reader's window only that much is shown.
    const auto length =
        static_cast<std::size_t>(std::min<std::uint64_t>(limit - start, TextReader::kWindow));
    if (held_) {
        return std::string_view(text_).substr(static_cast<std::size_t>(start), length);
    }
    if (start < blockAt_ || limit > blockAt_ + block_.size()) {
        block_.resize(std::max(length, static_cast<std::size_t>(std::min<std::uint64_t>(
                                           kShownBlock, textEnd_ - start))));
        const ssize_t got =
            ReadFull(file_.Fd(), block_.data(), block_.size(), static_cast<off_t>(start));
        if (got < 0 || static_cast<std::size_t>(got) < block_.size()) {
            // The file is shorter than when it was listed.
            throw InOutError::FromErrno(got < 0 ? errno : EIO);
        }
        blockAt_ = start;
    }
    return std::string_view(block_).substr(static_cast<std::size_t>(start - blockAt_), length);
}

std::string ResultsListing::Line(std::size_t index) {
    try {
        if (!held_) {
            const FileIdentity now = file_.Identity();
            if (!identity_.ProvesUnchanged(now)) {
                ++generation_;
                List(now);
            }
        }
        return index < Size() ? ShownText(Span(index)) : std::string();
    } catch (const InOutError&) {
        block_.clear();
        return {};
    }
}

std::vector<std::string> ReadResultsListing(const std::filesystem::path& resultsFile) {
    ResultsListing listing(resultsFile);
    std::vector<std::string> lines;
    lines.reserve(listing.Size());
    for (std::size_t i = 0; i < listing.Size(); ++i) {
        lines.push_back(listing.Line(i));
    }
    return lines;
}

}  // namespace kulko
