#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "results/date_key.hpp"

namespace kulko {

// An address read into memory, or why it could not be.
struct FetchedInput {
    std::string bytes;
    std::string error;  // in Polish; empty when the whole answer came
};

// What the results tool takes from the world around it; tests set it.
struct ToolEnvironment {
    DateKey today = 0;             // the local date: no draw is dated later
    bool inputIsTerminal = false;  // standard input is typed in, not piped
    // The player's working directory that the launcher keeps; empty when unknown.
    std::filesystem::path playerDirectory;
    // Reads an http:// or https:// address; without it addresses are refused.
    std::function<FetchedInput(const std::string& address)> fetch;
};

// Today's local date and the player's directory from the environment as
// the launcher takes it (${XDG_DATA_HOME:-$HOME/.local/share}/kulko).
ToolEnvironment LocalEnvironment();

// The results file a command works on: the one given with --baza; else
// kulko.txt in the current directory; else the one in the player's working
// directory, when there is one there; else kulko.txt here, which is not.
struct ChosenResultsFile {
    std::filesystem::path path;
    bool fromPlayerDirectory = false;  // worth saying which file it is
};
ChosenResultsFile ChooseResultsFile(const std::filesystem::path* given,
                                    const ToolEnvironment& environment);

}  // namespace kulko
