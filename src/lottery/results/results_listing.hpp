#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_identity.hpp"
#include "files/read_only_file.hpp"

namespace kulko {

// Where each line of a text starts, in a few bytes a line: the low 32 bits
// of every offset, and the lines at which the high part grows.
class LineStarts {
  public:
    void Clear();
    void Reserve(std::size_t lines) { low_.reserve(lines); }
    void Add(std::uint64_t offset);
    std::uint64_t operator[](std::size_t line) const;
    std::size_t Size() const { return low_.size(); }
    // Gives back room reserved beyond the lines added.
    void Fit();

  private:
    std::vector<std::uint32_t> low_;
    std::vector<std::size_t> highSteps_;  // a line at which the high part grows by one
};

// The results file as "Baza" lists it: every line exactly as stored, without
// its line end, in UTF-8; nothing is parsed or validated. Only where each
// line starts is kept; a line's text is read from the file and converted
// when the list shows it, so a million lines cost a few megabytes.
//
// The file stays open while it is listed: a file replaced since (by the
// renumbering, an update, most editors) lists on as it was read. A file
// changed in place is listed anew, so the list never shows a mixture of
// the two. A file that had changed just before it was listed may change
// again without its times telling (see FileIdentity): its text is then kept
// in memory as read.
class ResultsListing {
  public:
    // Throws InOutError when the file cannot be opened or read.
    explicit ResultsListing(const std::filesystem::path& resultsFile);

    std::size_t Size() const { return starts_.Size(); }
    // Line `index` (from 0); empty when the file can no longer be read.
    std::string Line(std::size_t index);
    // Grows every time the file was listed anew.
    std::uint64_t Generation() const { return generation_; }

  private:
    // Lists the file as it is, `identity` taken just before.
    void List(const FileIdentity& identity);
    // The bytes of line `index` from its start up to the next line's start.
    std::string_view Span(std::size_t index);

    ReadOnlyFile file_;
    FileIdentity identity_;
    LineStarts starts_;
    std::uint64_t textEnd_ = 0;
    bool held_ = false;
    std::string text_;           // the whole text, when held
    std::string block_;          // the bytes read last for shown lines
    std::uint64_t blockAt_ = 0;  // their offset in the file
    std::uint64_t generation_ = 0;
};

// Every line of the results file as the list shows it.
std::vector<std::string> ReadResultsListing(const std::filesystem::path& resultsFile);

}  // namespace kulko
