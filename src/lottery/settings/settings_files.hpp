#pragma once

#include <array>
#include <filesystem>
#include <optional>

namespace kulko {

// The three on/off settings, each kept in a one-byte file, in this order.
enum class Setting { DatabaseUpdate, ProgramUpdate, DatabaseCheck };
inline constexpr std::array<Setting, 3> kAllSettings = {
    Setting::DatabaseUpdate, Setting::ProgramUpdate, Setting::DatabaseCheck};

const char* SettingFileName(Setting setting);

// Reads the first byte: 1 is on, 0 is off, anything else is no value.
// An empty file throws "Read beyond end of file"; a missing one "File not found".
std::optional<bool> ReadSettingFile(const std::filesystem::path& path);

// Stores exactly one byte through a safe replace, so a full disk can never
// leave an empty settings file behind.
void WriteSettingFile(const std::filesystem::path& path, bool on);

}  // namespace kulko
