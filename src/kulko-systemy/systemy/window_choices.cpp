#include "systemy/window_choices.hpp"

#include <charconv>
#include <vector>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/text_file.hpp"

namespace kulko {
namespace {

constexpr const char* kMark = "Kulko – systemy: ustalenia 1";
// A few hundred bytes are written; anything much larger is not ours.
constexpr std::uintmax_t kLargest = 64 * 1024;

}  // namespace

WindowChoices LoadWindowChoices(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kLargest) {
        return {};
    }
    std::vector<std::string> lines;
    try {
        lines = ReadAllLines(file);
    } catch (const InOutError&) {
        return {};
    }
    if (lines.empty() || lines.front() != kMark) {
        return {};
    }
    WindowChoices choices;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t equals = lines[i].find('=');
        if (equals != std::string::npos && equals > 0) {
            choices[lines[i].substr(0, equals)] = lines[i].substr(equals + 1);
        }
    }
    return choices;
}

void SaveWindowChoices(const std::filesystem::path& file, const WindowChoices& choices) {
    std::vector<std::string> lines = {kMark};
    for (const auto& [key, value] : choices) {
        // A line break in a typed text would start a line of its own.
        if (value.find_first_of("\r\n") == std::string::npos) {
            lines.push_back(key + "=" + value);
        }
    }
    SafeReplaceWrite(file, JoinLinesCrLf(lines));
}

std::optional<std::int64_t> ChosenNumber(const WindowChoices& choices, const std::string& key,
                                         std::int64_t low, std::int64_t high) {
    const auto found = choices.find(key);
    if (found == choices.end()) {
        return std::nullopt;
    }
    const std::string& text = found->second;
    std::int64_t value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || failure != std::errc() || end != text.data() + text.size() || value < low ||
        value > high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace kulko
