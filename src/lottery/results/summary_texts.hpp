#pragma once

#include <array>
#include <string>

#include "results/draw_summary.hpp"
#include "results/validating_read.hpp"

namespace kulko {

// What the window's status row says after the validating read with the
// check on: that the file is sound, or the damage report with the line.
std::string VerdictText(const ValidationVerdict& verdict);

// The ten lines about a soundly read history, as the window shows them,
// from top to bottom (UTF-8).
inline constexpr std::size_t kSummaryTextCount = 10;
std::array<std::string, kSummaryTextCount> SummaryTexts(const DrawSummary& summary);

}  // namespace kulko
