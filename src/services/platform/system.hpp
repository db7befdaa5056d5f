#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kulko {

// Connection flags as the update code reads them.
inline constexpr int kConnectionModem = 1;
inline constexpr int kConnectionLan = 2;
inline constexpr int kConnectionProxy = 4;

// The operating-system services the window uses.
class System {
  public:
    virtual ~System() = default;

    // Which connections exist: kConnectionModem, kConnectionLan, kConnectionProxy.
    virtual int ConnectionFlags() = 0;
    // Fetches the URL into the file; true only when the whole resource was
    // fetched and written. On failure the file is left as it was.
    virtual bool Download(const std::string& url, const std::filesystem::path& target) = 0;
    // The update host (host or host:port) the user chose for this run, which
    // wins over the one the program was built with; empty when none was chosen.
    virtual std::string RunTimeUpdateHost() { return {}; }
    // Starts a program in the directory without waiting; failures are ignored.
    virtual void StartProgram(const std::filesystem::path& workDir, const std::string& program,
                              const std::vector<std::string>& args) = 0;
    // Opens the file for the user in a text editor without waiting for it:
    // through the desktop's opener, else the editor the environment names,
    // else a graphical editor. False when no program could be started.
    virtual bool OpenInTextEditor(const std::filesystem::path& file) = 0;
    // Ends the process at once with exit code 0.
    [[noreturn]] virtual void Exit() = 0;
    // Current time of day in the long time format, e.g. "14:05:09".
    virtual std::string TimeOfDay() = 0;
    // A 32-bit seed: the low bits of a monotonic high-resolution clock.
    virtual std::uint32_t Seed() = 0;
};

}  // namespace kulko
