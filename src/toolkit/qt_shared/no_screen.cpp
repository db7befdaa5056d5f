#include "qt_shared/no_screen.hpp"

#include <cstdlib>

namespace kulko {
namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool ScreenNamed(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "-platform") {
            return true;
        }
    }
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
}

std::string NoScreenText(std::string_view program, std::string_view instead) {
    return "Nie można otworzyć okna: brak ekranu (nie ustawiono DISPLAY ani WAYLAND_DISPLAY); "
           "uruchom " +
           std::string(program) + " w sesji graficznej albo przez ssh -X" +
           (instead.empty() ? std::string() : ", " + std::string(instead)) + ".";
}

}  // namespace kulko
