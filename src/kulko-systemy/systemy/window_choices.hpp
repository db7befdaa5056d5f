#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace kulko {

// What the player chose on the pages, by key ("gwarancja", "filtry.tryb"),
// kept between runs in the working directory (kSystemyChoicesFile).
using WindowChoices = std::map<std::string, std::string>;

// Nothing when the file is missing, cannot be read, is too large, or is not
// ours (its first line is not the mark of this file): the pages then keep
// their defaults. A line without "=" is passed over.
WindowChoices LoadWindowChoices(const std::filesystem::path& file);
// Replaces the file (SafeReplaceWrite); the caller holds the directory's lock.
void SaveWindowChoices(const std::filesystem::path& file, const WindowChoices& choices);

// A whole number from low to high in decimal digits alone, else nothing.
std::optional<std::int64_t> ChosenNumber(const WindowChoices& choices, const std::string& key,
                                         std::int64_t low, std::int64_t high);

}  // namespace kulko
