#include "generator/draw_log.hpp"

#include "files/append_line.hpp"

namespace kulko {

void AppendToDrawLog(const std::filesystem::path& drawLog, std::string_view setText) {
    AppendLine(drawLog, setText, AppendMode::MustExist);
}

}  // namespace kulko
