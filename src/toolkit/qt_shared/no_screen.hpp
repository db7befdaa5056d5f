// What a window program's entry checks before it makes its application:
// without a screen the toolkit would abort with its own English words and a
// core dump.
#pragma once

#include <string>
#include <string_view>

namespace kulko {

// The exit status of a window program that found no screen.
inline constexpr int kNoScreenStatus = 2;

// Whether a window may open: a display named (DISPLAY or WAYLAND_DISPLAY)
// or a platform chosen (QT_QPA_PLATFORM, or "-platform" among the
// arguments, as the toolkit takes it).
bool ScreenNamed(int argc, const char* const* argv);

// The one line a window program prints without a screen; instead names
// what works without one, or is empty.
std::string NoScreenText(std::string_view program, std::string_view instead = {});

}  // namespace kulko
