#pragma once

#include <filesystem>
#include <optional>

#include "analyses/draw_history.hpp"
#include "systemy/page_controls.hpp"

namespace kulko {

// The results file of workDir for a page's analysis, read through the
// start-up read. When it cannot be read, or is damaged (the start-up's
// damage report), stan says so and there is no history: no analysis runs.
std::optional<DrawHistory> ReadPageHistory(const std::filesystem::path& workDir, TextField& stan);

}  // namespace kulko
