#include "systemy/table_location.hpp"

#include <system_error>

namespace kulko {

std::filesystem::path ShippedTablePath(const std::filesystem::path& program) {
    // Installed, the program lies off the path in libexec/kulko below the
    // prefix; in the build tree, in a folder beside share/.
    const std::filesystem::path folder = program.parent_path();
    const std::filesystem::path installed =
        folder.parent_path().parent_path() / "share" / "kulko" / kWheelTableName;
    std::error_code error;
    if (folder.filename() == "kulko" && std::filesystem::is_regular_file(installed, error)) {
        return installed;
    }
    return folder.parent_path() / "share" / "kulko" / kWheelTableName;
}

std::filesystem::path RunningProgram() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

}  // namespace kulko
