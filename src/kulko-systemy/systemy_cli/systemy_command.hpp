#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "import/tool_environment.hpp"

namespace kulko {

// Exit status of the command mode.
inline constexpr int kCommandSuccess = 0;
inline constexpr int kCommandRefused = 1;  // numbers or guarantee refused, no system in time
inline constexpr int kCommandWrongUsage = 2;

// Whether the arguments ask for the command mode rather than the window:
// a command, or a request for help or for the version.
bool IsSystemyCommand(const std::vector<std::string>& args);

// kulko-systemy system LICZBY (--gwarancja TzM [--czas SEKUNDY] [--ziarno N]
// | --pelny) [--tabela PLIK]: builds the system as the window does and
// prints its tickets to out, one a line in the memory file's form; the
// size, the bound and the table of best hits go to err. args come without
// the program's name; tablePath is the shipped table unless --tabela names
// another. The analyses find their files in the directory the environment
// leads to, as kulko-wyniki finds its results file; "--version" prints the
// program's name and version.
int RunSystemyCommand(const std::vector<std::string>& args, const std::filesystem::path& tablePath,
                      std::ostream& out, std::ostream& err,
                      const ToolEnvironment& environment = LocalEnvironment());

// What works without a screen, for the refusal of the window.
inline constexpr const char* kCommandsWithoutScreen =
    "a bez ekranu działają polecenia kulko-systemy system, historia, filtry i liczby "
    "(kulko-systemy --help)";

// The usage, as "--help" prints it.
std::string SystemyHelpText();

}  // namespace kulko
