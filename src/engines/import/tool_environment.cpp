#include "import/tool_environment.hpp"

#include <cstdlib>
#include <ctime>

#include "files/file_ops.hpp"
#include "files/work_files.hpp"

namespace kulko {

ToolEnvironment LocalEnvironment() {
    ToolEnvironment environment;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) != nullptr) {
        environment.today = MakeDateKey(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    }
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (data != nullptr && *data != '\0') {
        environment.playerDirectory = std::filesystem::path(data) / "kulko";
    } else if (home != nullptr && *home != '\0') {
        environment.playerDirectory = std::filesystem::path(home) / ".local/share/kulko";
    }
    return environment;
}

ChosenResultsFile ChooseResultsFile(const std::filesystem::path* given,
                                    const ToolEnvironment& environment) {
    if (given != nullptr) {
        return {*given, false};
    }
    if (FileExists(kResultsFile) || environment.playerDirectory.empty()) {
        return {kResultsFile, false};
    }
    const std::filesystem::path player = environment.playerDirectory / kResultsFile;
    if (FileExists(player)) {
        return {player, true};
    }
    return {kResultsFile, false};
}

}  // namespace kulko
