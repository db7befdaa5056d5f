#pragma once

#include <set>
#include <string>

#include "platform/system.hpp"
#include "platform/download_limits.hpp"
#include "platform/text_editor.hpp"

namespace kulko {

// The real operating-system services on Linux.
class LinuxSystem : public System {
  public:
    // The limits bound every fetch; editorWait, how long a program started
    // on a file may take to fail (kEditorStartWait). Tests pass short ones.
    explicit LinuxSystem(DownloadLimits limits = {},
                         std::chrono::milliseconds editorWait = kEditorStartWait);

    int ConnectionFlags() override;
    bool Download(const std::string& url, const std::filesystem::path& target) override;
    // The environment variable KULKO_UPDATE_HOST, when set and not empty.
    std::string RunTimeUpdateHost() override;
    void StartProgram(const std::filesystem::path& workDir, const std::string& program,
                      const std::vector<std::string>& args) override;
    // The first of EditorCommands that StartsWell.
    bool OpenInTextEditor(const std::filesystem::path& file) override;
    [[noreturn]] void Exit() override;
    std::string TimeOfDay() override;
    std::uint32_t Seed() override;

  private:
    DownloadLimits limits_;
    std::chrono::milliseconds editorWait_;
    // Hosts ("host:port") that gave no connection, or stopped sending, in this run.
    std::set<std::string> unresponsiveHosts_;
};

}  // namespace kulko
