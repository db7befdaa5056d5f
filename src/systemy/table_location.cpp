#include "systemy/table_location.hpp"

#include <system_error>

namespace kulko {

std::filesystem::path ShippedTablePath(const std::filesystem::path& program) {
    return program.parent_path().parent_path() / "share" / "kulko" / kWheelTableName;
}

std::filesystem::path RunningProgram() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

}  // namespace kulko
