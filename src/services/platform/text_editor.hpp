#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace kulko {

// How long a program started to open a file may take to fail; one still
// running then has opened it (an opener that runs its editor in the
// foreground, a terminal holding the editor).
inline constexpr std::chrono::milliseconds kEditorStartWait{1500};

// The commands that may open a text file for the user, in the order to try
// them: the desktop's opener; the editor the environment names (VISUAL,
// then EDITOR; null or empty when unset) in a terminal; a graphical text
// editor found on the path.
std::vector<std::vector<std::string>> EditorCommands(const std::string& file, const char* visual,
                                                     const char* editor);

// Starts the command (looked up on the path) in a session of its own and
// tells whether it took: it ended with success within `wait`, or it still
// runs then. False when it could not be started or ended with a failure.
// Never waits longer than `wait`; leaves no process of ours behind.
bool StartsWell(const std::vector<std::string>& command, std::chrono::milliseconds wait);

}  // namespace kulko
