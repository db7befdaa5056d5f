#include <string>

#include "support/window_fixture.hpp"

namespace kulko::test {

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (auto line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace kulko::test
