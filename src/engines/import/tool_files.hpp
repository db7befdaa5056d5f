#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

#include "import/history_scan.hpp"
#include "import/input_list.hpp"
#include "import/tool_environment.hpp"

namespace kulko {

inline constexpr const char* kToolName = "kulko-wyniki: ";

// No results list comes near this; more is a device that never ends or a wrong file.
inline constexpr std::size_t kMaxInputBytes = 64u << 20;

// The results file read once; nothing after telling err, in Polish and
// with its path, why it cannot be read or, when it must be sound, why it
// is not.
std::optional<ScannedHistory> ReadHistory(const ChosenResultsFile& file,
                                          const ToolEnvironment& environment, bool mustBeSound,
                                          const HistoryQuestions& questions, std::ostream& err);

// One input of "dodaj" ("-" for standard input, an address, a file) as
// text; nothing after telling err why it is no results list or cannot be
// read.
std::optional<std::string> ReadInput(const std::string& name, const ToolEnvironment& environment,
                                     std::istream& in, std::ostream& err);

// The verdict of the validating read as the window's status row says it,
// the damaged line shown as a terminal may show it.
std::string ShownVerdict(const ValidationVerdict& verdict);

// A failed write of a file, in Polish with its path.
std::string WriteFaultText(const std::filesystem::path& path, const std::exception& error);

}  // namespace kulko
