#include "generator/draw_log.hpp"

#include "files/append_line.hpp"

namespace kulko {

void AppendToDrawLog(const std::filesystem::path& drawLog, std::string_view setText,
                     const std::optional<KnownTextEnd>& known) {
    AppendLine(drawLog, setText, AppendMode::MustExist, known ? &*known : nullptr);
}

}  // namespace kulko
