#pragma once

#include <filesystem>
#include <string_view>

#include "files/file_identity.hpp"

namespace kulko {

// Adds the text as a line of its own, ended by CR LF, to a text file that
// the program only ever grows (the draw log, the memory of sets), so that
// every reader of the file sees it:
// - a last line without a line end (a file edited by hand) first gets its
//   CR LF, or the LF of a lone CR, instead of taking the new text on;
// - in a file holding a Ctrl-Z, which ends the file for every reader, the
//   line goes right before the first Ctrl-Z and every byte from it on stays
//   after the line.
// The line is added under the lock of the file's directory (WorkDirLock), and
// where no Ctrl-Z stands it goes to the file's end as it is at the moment of
// the one write, never to a place seen earlier; the file is synced before
// the call returns (and its directory when the file is new). A write that
// fails part-way is undone, so the file keeps exactly its old content. When the file must exist and
// does not, throws "File not found"; anything but a plain file is refused with "File access
// denied".
//
// `known` is what a reader saw of the file's end, when one did: while the
// file is provably that file still (see FileIdentity) and its text had no
// Ctrl-Z, the line goes to the end without the file being read again.
enum class AppendMode { CreateIfMissing, MustExist };
void AppendLine(const std::filesystem::path& path, std::string_view text, AppendMode mode,
                const KnownTextEnd* known = nullptr);

}  // namespace kulko
