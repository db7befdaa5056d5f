#include "stats/draw_log_counter.hpp"

#include "files/text_reader.hpp"
#include "stats/draw_log_counts.hpp"

namespace kulko {

NumberCounts DrawLogCounter::Count(const char* drawLog) {
    // One look at the path tells whether anything is to be read at all, and
    // whether the path still names the file held open since the last count.
    FileIdentity now;
    const bool seen = FileIdentity::OfPath(drawLog, now);
    if (!identity_ || !seen || !identity_->ProvesUnchanged(now)) {
        const std::optional<FileIdentity> before = identity_;
        identity_.reset();
        // The held file cannot have been freed while it is open, so a path
        // naming the same device and inode names that very file: it is read
        // through the descriptor it has, up to the size the look saw.
        if (!seen || !held_ || !held_->OpenedIdentity().SameFile(now)) {
            held_.reset();
            held_.emplace(drawLog);
            now = held_->OpenedIdentity();
        }
        if (before && before->GrewInto(now) && wholeEnd_ <= now.Size()) {
            // The text ends at a Ctrl-Z among the bytes already counted:
            // what was added lies after it and counts for nothing.
            if (!ctrlZ_) {
                CountFrom(held_->Fd(), wholeEnd_, now.Size());
            }
        } else {
            whole_ = {};
            wholeEnd_ = 0;
            lastByte_ = '\n';
            CountFrom(held_->Fd(), 0, now.Size());
        }
        identity_ = now;
    }
    NumberTally all = whole_;
    all.Add(unended_);
    return all.Counts();
}

void DrawLogCounter::CountFrom(int fd, std::uint64_t offset, std::uint64_t end) {
    unended_ = {};
    TextReader reader(fd, offset, end);
    std::string_view piece;
    while (reader.NextPiece(piece)) {
        // Only the last piece can end without a LF. A line longer than the
        // reader's window is a piece of its own, its LF among the bytes
        // skipped: it is whole when the reader went past an LF.
        const bool ended = reader.LastByte() == '\n';
        const std::size_t lastLf = piece.rfind('\n');
        const std::size_t whole =
            ended ? piece.size() : (lastLf == std::string_view::npos ? 0 : lastLf + 1);
        TallyDrawLogText(piece.substr(0, whole), whole_);
        TallyDrawLogText(piece.substr(whole), unended_);
        wholeEnd_ = ended ? reader.PieceEnd() : reader.PieceOffset() + whole;
        lastByte_ = reader.LastByte();
    }
    ctrlZ_ = reader.EndedByCtrlZ();
}

std::optional<KnownTextEnd> DrawLogCounter::Known() const {
    if (!identity_) {
        return std::nullopt;
    }
    return KnownTextEnd{*identity_, ctrlZ_, lastByte_};
}

}  // namespace kulko
