#include "generator/draw_log.hpp"

#include <string>

#include "common/file_ops.hpp"

namespace kulko {

void AppendToDrawLog(const std::filesystem::path& drawLog, std::string_view setText) {
    std::string line(setText);
    line += "\r\n";
    AppendToFile(drawLog, line, AppendMode::MustExist);
}

}  // namespace kulko
